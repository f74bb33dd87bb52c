#include "holidays/holiday.h"

#include "holidays/edholiday.h"
#include "holidays/holidaylist.h"
#include "holidays/holidayrules.h"
#include "holidays/import.h"
#include "output/tableprinter.h"
#include "settings/options.h"
#include "widgets/modal.h"
#include "widgets/prompter.h"
#include "widgets/taskgrid.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace corvane {

namespace {

// The rule the editor's controls describe.
QStringList editorRule(const TfrmEditHoliday &editor) {
    return holidayRuleCells(editor.edName->text(), editor.cbMonth->currentText(), editor.chosenDay());
}

} // namespace

TfrmHoliday::TfrmHoliday(QWidget *parent) : QDialog(parent), m_rules(newHolidayTable()) {
    setWindowTitle(QStringLiteral("Holidays"));
    setSizeGripEnabled(true);

    grid = new TaskGrid(this);
    grid->setObjectName(QStringLiteral("grid"));
    grid->setShowGrid(true);
    grid->setRowHeight(20);
    loadRules();
    grid->setTable(&m_rules);
    grid->setRowDragEnabled(true);
    // The only list of the dialog: its current row is always the one Edit and Delete act on.
    grid->setSelectionActive(true);

    btAdd = new QPushButton(QStringLiteral("&Add"), this);
    btEdit = new QPushButton(QStringLiteral("&Edit"), this);
    btDelete = new QPushButton(QStringLiteral("&Delete"), this);
    btInternational = new QPushButton(QStringLiteral("&International"), this);
    btInternational->setToolTip(QStringLiteral("Import International holidays"));
    btPrint = new QPushButton(QStringLiteral("&Print"), this);
    btClose = new QPushButton(QStringLiteral("Close"), this);
    for (QPushButton *button : {btAdd, btEdit, btDelete, btInternational, btPrint, btClose})
        button->setAutoDefault(false);

    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {btAdd, btEdit, btDelete})
        buttons->addWidget(button);
    buttons->addSpacing(16);
    buttons->addWidget(btInternational);
    buttons->addWidget(btPrint);
    buttons->addStretch(1);
    buttons->addWidget(btClose);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(grid, 1);
    layout->addLayout(buttons);

    int gridWidth = 2 * grid->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (int column = 0; column < m_rules.columnCount(); ++column)
        gridWidth += m_rules.columnWidth(column);
    grid->setMinimumWidth(gridWidth);
    resize(gridWidth + 140, 380);

    connect(btAdd, &QPushButton::clicked, this, &TfrmHoliday::btAddClick);
    connect(btEdit, &QPushButton::clicked, this, &TfrmHoliday::btEditClick);
    connect(grid, &TaskGrid::rowDoubleClicked, this, &TfrmHoliday::btEditClick);
    connect(grid, &TaskGrid::rowDragOver, this, [this](const QMimeData *data, int row, bool *accept) {
        *accept = isOwnRow(data) && gridDragOver(row);
    });
    connect(grid, &TaskGrid::rowDropped, this, [this](const QMimeData *data, int row) {
        if (isOwnRow(data))
            gridDragDrop(row);
    });
    connect(btDelete, &QPushButton::clicked, this, &TfrmHoliday::btDeleteClick);
    connect(btPrint, &QPushButton::clicked, this, &TfrmHoliday::btPrintClick);
    connect(btInternational, &QPushButton::clicked, this, &TfrmHoliday::btInternationalClick);
    connect(btClose, &QPushButton::clicked, this, &TfrmHoliday::btCloseClick);
}

void TfrmHoliday::loadRules() {
    if (!QFileInfo::exists(holidayFileName()))
        return;
    QString error;
    if (!loadHolidays(m_rules, holidayFileName(), &error))
        prompter().error(error);
    // The list always keeps one rule row to add to.
    if (m_rules.rowCount() < 2)
        m_rules.setRowCount(2);
}

bool TfrmHoliday::saveRules() {
    return saveTableReporting(m_rules, holidayFileName());
}

void TfrmHoliday::btAddClick() {
    TfrmEditHoliday editor(this);
    if (runModal(editor) != QDialog::Accepted)
        return;
    addHolidayRule(m_rules, grid->row(), editorRule(editor));
}

void TfrmHoliday::btEditClick() {
    const int row = grid->row();
    if (m_rules.cell(HolidayName, row).isEmpty()) {
        prompter().error(QStringLiteral("Nothing to edit"));
        return;
    }
    TfrmEditHoliday editor(this);
    editor.editRule(m_rules.cell(HolidayName, row), m_rules.cell(HolidayMonth, row),
                    splitHolidayDay(m_rules.cell(HolidayDay, row)));
    if (runModal(editor) != QDialog::Accepted)
        return;
    m_rules.setRowCells(row, editorRule(editor));
}

void TfrmHoliday::btDeleteClick() {
    const int row = grid->row();
    const QString question = QStringLiteral("Really delete \"%1\"?").arg(m_rules.cell(HolidayName, row));
    if (confirmDeleting() && !prompter().confirm(question))
        return;
    deleteHolidayRule(m_rules, row);
}

void TfrmHoliday::btPrintClick() {
    printWithDialog(m_rules, holidayPrintSettings());
}

void TfrmHoliday::btInternationalClick() {
    // Importing starts from the file, so what was changed here must be in it first.
    if (!saveRules())
        return;
    TfrmImport import(this);
    runModal(import);
    loadRules();
}

void TfrmHoliday::btCloseClick() {
    // A failed save is reported and keeps the list open, so the changes are not lost with it.
    if (saveRules())
        accept();
}

bool TfrmHoliday::gridDragOver(int row) const {
    return canDropHolidayRule(m_rules, row);
}

void TfrmHoliday::gridDragDrop(int row) {
    if (moveHolidayRule(m_rules, grid->row(), row))
        grid->setRow(row);
}

bool TfrmHoliday::isOwnRow(const QMimeData *data) const {
    return TaskGrid::draggedListName(data) == grid->objectName();
}

void TfrmHoliday::keyPressEvent(QKeyEvent *event) {
    // Esc is Close, which saves; only the title-bar close box leaves without saving.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        btCloseClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace corvane
