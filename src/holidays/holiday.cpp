#include "holidays/holiday.h"

#include "holidays/edholiday.h"
#include "holidays/holidaylist.h"
#include "holidays/holidayrules.h"
#include "holidays/import.h"
#include "settings/options.h"
#include "widgets/modal.h"
#include "widgets/prompter.h"
#include "widgets/taskgrid.h"

#include <QApplication>
#include <QComboBox>
#include <QDrag>
#include <QDropEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace corvane {

namespace {

// What a row dragged inside the holiday list carries: the type and this process, so drops of anything
// else (another program's holiday list among them) are refused.
const QString ruleMimeType = QStringLiteral("application/x-corvane-holiday-rule");

QByteArray thisProcess() {
    return QByteArray::number(QCoreApplication::applicationPid());
}

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
    grid->viewport()->installEventFilter(this);
    grid->viewport()->setAcceptDrops(true);

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
    QPrinter printer;
    if (!prompter().choosePrinter(printer))
        return;
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

QMimeData *TfrmHoliday::ruleDragData() {
    auto *data = new QMimeData;
    data->setData(ruleMimeType, thisProcess());
    return data;
}

void TfrmHoliday::keyPressEvent(QKeyEvent *event) {
    // Esc is Close, which saves; only the title-bar close box leaves without saving.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        btCloseClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TfrmHoliday::eventFilter(QObject *watched, QEvent *event) {
    if (watched == grid->viewport() && (gridMouseEvent(event) || gridDragEvent(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

// A press on a rule row starts a drag of it once the mouse moves; until then the press selects as ever.
bool TfrmHoliday::gridMouseEvent(QEvent *event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto *press = static_cast<QMouseEvent *>(event);
        m_dragStart = press->position().toPoint();
        m_dragPending = press->button() == Qt::LeftButton && m_rules.rowCount() > 1 &&
                        grid->indexAt(m_dragStart).isValid();
        return false;
    }
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        m_dragPending = false;
        return false;
    case QEvent::MouseMove: {
        if (!m_dragPending)
            return false;
        const auto *move = static_cast<QMouseEvent *>(event);
        if ((move->position().toPoint() - m_dragStart).manhattanLength() < QApplication::startDragDistance())
            return true;
        m_dragPending = false;
        auto *drag = new QDrag(grid);
        drag->setMimeData(ruleDragData());
        drag->exec(Qt::MoveAction);
        return true;
    }
    default:
        return false;
    }
}

bool TfrmHoliday::gridDragEvent(QEvent *event) {
    const auto type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto *drop = static_cast<QDropEvent *>(event);
    const QModelIndex over = grid->indexAt(drop->position().toPoint());
    const int row = over.isValid() ? over.row() + 1 : 0;
    if (drop->mimeData()->data(ruleMimeType) != thisProcess() ||
        (type != QEvent::DragEnter && !gridDragOver(row))) {
        drop->ignore();
        return true;
    }
    drop->acceptProposedAction();
    if (type == QEvent::Drop)
        gridDragDrop(row);
    return true;
}

} // namespace corvane
