#include "app/mainoutput.h"

#include "app/main.h"
#include "app/program.h"
#include "output/print.h"
#include "output/tableprinter.h"
#include "output/webcal.h"
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
    bind({main.HTMLFormat1, main.HTMLFormat2}, &MainOutput::HTMLFormat1Click);
    bind({main.CSVFormat1, main.CSVFormat2}, &MainOutput::CSVFormat1Click);
    bind({main.HTMLFormat3}, &MainOutput::HTMLFormat3Click);
    bind({main.CommaDelimitedFormat1}, &MainOutput::CommaDelimitedFormat1Click);
    bind({main.HTMLFormat4}, &MainOutput::HTMLFormat4Click);
    bind({main.CommaDelimitedFormat2}, &MainOutput::CommaDelimitedFormat2Click);
    bind({main.PublishCalendarasWebPage1, main.tbPublish}, &MainOutput::PublishCalendarasWebPage1Click);
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

const TaskTable &MainOutput::focusedList() const {
    return m_main.gridDay->hasFocus() ? m_main.gridDay->table() : m_main.gridNonday->table();
}

const TaskTable &MainOutput::selectedDateTasks() {
    if (const TfrmPrint *dialog = forms().frmPrint)
        dialog->TransfertoGridPrint(m_main.gridStore, m_main.gridPrint, false);
    return m_main.gridPrint;
}

void MainOutput::HTMLFormat1Click() {
    m_html.exportTable(focusedList());
}

void MainOutput::CSVFormat1Click() {
    m_commaDelimited.exportTable(focusedList());
}

void MainOutput::HTMLFormat3Click() {
    m_html.exportTable(selectedDateTasks());
}

void MainOutput::CommaDelimitedFormat1Click() {
    m_commaDelimited.exportTable(selectedDateTasks());
}

void MainOutput::HTMLFormat4Click() {
    m_html.exportTable(m_main.gridNonday->table());
}

void MainOutput::CommaDelimitedFormat2Click() {
    m_commaDelimited.exportTable(m_main.gridNonday->table());
}

void MainOutput::PublishCalendarasWebPage1Click() {
    TfrmWebCal dialog(&m_main);
    dialog.monthDate = m_main.selectedDate();
    dialog.daySummary = [this](const QDate &date) { return HTMLDumpEventDay(date); };
    dialog.dayDetails = [this](const QDate &date) { return HTMLDumpEventDetails(date); };
    runModal(dialog);
}

QString MainOutput::HTMLDumpEventDay(const QDate &date) const {
    return daySummaryHtml(m_main.gridStore, date, m_main.holidayName(date), m_main.rowFilter);
}

QStringList MainOutput::HTMLDumpEventDetails(const QDate &date) const {
    return dayDetailLines(m_main.gridStore, date, m_main.rowFilter);
}

} // namespace corvane
