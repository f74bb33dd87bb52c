#include "app/mainoutput.h"

#include "app/main.h"
#include "app/program.h"
#include "output/print.h"
#include "output/tableprinter.h"
#include "widgets/modal.h"
#include "widgets/shadowlabel.h"
#include "widgets/taskgrid.h"

#include <QAction>

namespace corvane {

namespace {

QList<int> shownWidths(const TaskGrid &list) {
    QList<int> widths;
    for (int column = 0; column < list.table().columnCount(); ++column)
        widths << list.table().columnWidth(column);
    return widths;
}

} // namespace

MainOutput::MainOutput(TfrmMain &main) : QObject(&main), m_main(main) {
    const auto bind = [this](std::initializer_list<QAction *> actions, void (MainOutput::*command)()) {
        for (QAction *action : actions) {
            action->setEnabled(true);
            connect(action, &QAction::triggered, this, command);
        }
    };
    bind({main.Print1, main.tbPrint}, &MainOutput::Print1Click);
    bind({main.Print3, main.tbPrint1}, &MainOutput::Print3Click);
    bind({main.Print4, main.tbPrint2}, &MainOutput::Print2Click);
}

void MainOutput::Print1Click() {
    TfrmPrint *dialog = forms().frmPrint;
    if (!dialog)
        return;
    dialog->clearMode = false;
    if (runModal(*dialog) != QDialog::Accepted)
        return;
    fillPrintTable(dialog->selection(), m_main.gridStore, m_main.gridNonday->table(), m_main.gridPrint);
    printWithDialog(m_main.gridPrint, selectionPrintSettings());
    resetPrintTable(m_main.gridPrint);
}

void MainOutput::Print3Click() {
    const TaskGrid &list = *m_main.gridDay;
    printWithDialog(list.table(),
                    dayListPrintSettings(m_main.lblDate->text(), list.font(), shownWidths(list)));
}

void MainOutput::Print2Click() {
    const TaskGrid &list = *m_main.gridNonday;
    printWithDialog(list.table(), nondayPrintSettings(list.font(), shownWidths(list)));
}

} // namespace corvane
