#include "editing/edit.h"

#include "calendar/resch.h"
#include "editing/categoryfile.h"
#include "editing/complete.h"
#include "editing/completedhistory.h"
#include "editing/editorwidgets.h"
#include "editing/listbox.h"
#include "editing/spell.h"
#include "editing/timebar.h"
#include "recurrence/recur.h"
#include "store/clock.h"
#include "store/dateformats.h"
#include "store/programfolder.h"
#include "store/routines.h"
#include "widgets/modal.h"
#include "widgets/prompter.h"
#include "widgets/shadowlabel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace corvane {

namespace {

const QString notesBlank = QStringLiteral("The Notes are blank!");

QString categoryFileName() {
    return besideProgram(QStringLiteral("category.xxx"));
}

ShadowLabel *titleLabel(const QString &text, QWidget *parent) {
    auto *label = new ShadowLabel(text, parent);
    QFont font = label->font();
    font.setPointSize(13);
    font.setBold(true);
    label->setFont(font);
    return label;
}

QPlainTextEdit *wrappingMemo(int maximum, QWidget *parent) {
    auto *memo = new QPlainTextEdit(parent);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setTabChangesFocus(true);
    limitMemo(*memo, maximum);
    return memo;
}

QLabel *buddyLabel(const QString &text, QWidget *buddy, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

QStringList comboItems(const QComboBox &box) {
    QStringList items;
    for (int i = 0; i < box.count(); ++i)
        items << box.itemText(i);
    return items;
}

// Replaces the box's list; the text typed in it stays.
void setComboItems(QComboBox &box, const QStringList &items) {
    const QString text = box.currentText();
    box.clear();
    box.addItems(items);
    box.setEditText(text);
}

} // namespace

TfrmEdit::TfrmEdit(const Context &context, QWidget *parent) : QDialog(parent), m_context(context) {
    setWindowTitle(QStringLiteral("Edit Task"));
    createTaskPanel();
    createCompletionPanel();

    btOK = new QPushButton(QStringLiteral("&OK"), this);
    btCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btComplete = new QPushButton(QStringLiteral("&Mark as Complete"), this);
    btRepeat = new QPushButton(QStringLiteral("&Repeat"), this);
    btReschedule = new QPushButton(QStringLiteral("R&eschedule"), this);
    for (QPushButton *button : {btOK, btCancel, btComplete, btRepeat, btReschedule, btOK2, btCancel2})
        button->setAutoDefault(false);
    btOK->setDefault(true);

    auto *panels = new QGridLayout;
    panels->addWidget(pnlMain, 0, 0);
    panels->addWidget(pnlComplete, 0, 0);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btOK);
    buttons->addWidget(btCancel);
    buttons->addStretch();
    buttons->addWidget(btComplete);
    buttons->addWidget(btRepeat);
    buttons->addWidget(btReschedule);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(panels, 1);
    layout->addLayout(buttons);
    setFixedSize(560, 400);
    layout->activate();

    connect(btOK, &QPushButton::clicked, this, &TfrmEdit::btOKClick);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btComplete, &QPushButton::clicked, this, &TfrmEdit::btCompleteClick);
    connect(btRepeat, &QPushButton::clicked, this, &TfrmEdit::btRepeatClick);
    connect(btReschedule, &QPushButton::clicked, this, &TfrmEdit::btRescheduleClick);

    // Creation: a new task has the default category, the current time, no alarm, not done.
    cbCategory->setEditText(context.defaultCategory);
    dtComplete->setDate(now().date());
    dtTime->setTime(now().time());
    copyTitleStyle(*lblTitle, context.titleStyle);
    copyTitleStyle(*EsLabel1, context.titleStyle);
    taskDate = context.selectedDay;
    dtCompleteSetDate();
    showPanel(false);
}

void TfrmEdit::createTaskPanel() {
    pnlMain = new QWidget(this);
    lblTitle = titleLabel(QStringLiteral("Non-Date Oriented Tasks"), pnlMain);
    lblComplete = new QLabel(pnlMain);
    memMain = wrappingMemo(2048, pnlMain);
    memMain->installEventFilter(this);
    cbCategory = new QComboBox(pnlMain);
    cbCategory->setEditable(true);
    cbCategory->setInsertPolicy(QComboBox::NoInsert);
    cbCategory->lineEdit()->setMaxLength(20);
    btCategory = new QPushButton(QStringLiteral("..."), pnlMain);
    btCategory->setFixedWidth(28);
    dtTime = new QTimeEdit(pnlMain);
    setUpTimeEdit(*dtTime);
    lblTime = buddyLabel(QStringLiteral("&Time:"), dtTime, pnlMain);
    btTime = new QPushButton(QStringLiteral("..."), pnlMain);
    btTime->setFixedWidth(28);
    cbAlarm = new QCheckBox(QStringLiteral("&Alarm?"), pnlMain);
    cbDone = new QCheckBox(QStringLiteral("Is this task completed?"), pnlMain);
    cbDone->hide();
    btSpell1 = new QPushButton(QStringLiteral("&Spell check"), pnlMain);

    auto *fields = new QGridLayout;
    fields->addWidget(buddyLabel(QStringLiteral("&Category"), cbCategory, pnlMain), 0, 0);
    fields->addWidget(cbCategory, 0, 1);
    fields->addWidget(btCategory, 0, 2);
    fields->addWidget(lblTime, 1, 0);
    fields->addWidget(dtTime, 1, 1);
    fields->addWidget(btTime, 1, 2);
    fields->addWidget(cbAlarm, 1, 3);
    fields->setColumnMinimumWidth(1, 190);
    fields->setColumnStretch(4, 1);
    auto *notesRow = new QHBoxLayout;
    notesRow->addWidget(buddyLabel(QStringLiteral("&Notes"), memMain, pnlMain));
    notesRow->addStretch();
    notesRow->addWidget(lblComplete);
    auto *bottom = new QHBoxLayout;
    bottom->addLayout(fields, 1);
    bottom->addWidget(btSpell1, 0, Qt::AlignBottom);
    auto *layout = new QVBoxLayout(pnlMain);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lblTitle);
    layout->addLayout(notesRow);
    layout->addWidget(memMain, 1);
    layout->addLayout(bottom);

    connect(btCategory, &QPushButton::clicked, this, &TfrmEdit::btCategoryClick);
    connect(btTime, &QPushButton::clicked, this, &TfrmEdit::btTimeClick);
    connect(btSpell1, &QPushButton::clicked, this, &TfrmEdit::btSpell1Click);
}

void TfrmEdit::createCompletionPanel() {
    pnlComplete = new QWidget(this);
    EsLabel1 = titleLabel(QStringLiteral("Task Completion Notes"), pnlComplete);
    memComplete = wrappingMemo(255, pnlComplete);
    dtComplete = new QDateEdit(pnlComplete);
    setUpDateEdit(*dtComplete);
    dtComplete->installEventFilter(this);
    lblDate = new QLabel(pnlComplete);
    btOK2 = new QPushButton(QStringLiteral("&OK"), pnlComplete);
    btCancel2 = new QPushButton(QStringLiteral("Cancel"), pnlComplete);
    btOrigin = new QPushButton(QStringLiteral("Goto origin date"), pnlComplete);
    btToday = new QPushButton(QStringLiteral("Goto today"), pnlComplete);
    btSpell2 = new QPushButton(QStringLiteral("&Spell check"), pnlComplete);

    auto *dateRow = new QHBoxLayout;
    dateRow->addWidget(buddyLabel(QStringLiteral("&Date of Task Completion"), dtComplete, pnlComplete));
    dateRow->addWidget(dtComplete);
    dateRow->addWidget(lblDate, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btOrigin);
    buttons->addWidget(btToday);
    buttons->addWidget(btSpell2);
    buttons->addStretch();
    buttons->addWidget(btOK2);
    buttons->addWidget(btCancel2);
    auto *layout = new QVBoxLayout(pnlComplete);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(EsLabel1);
    layout->addWidget(buddyLabel(QStringLiteral("&Notes"), memComplete, pnlComplete));
    layout->addWidget(memComplete, 1);
    layout->addLayout(dateRow);
    layout->addLayout(buttons);

    connect(btOK2, &QPushButton::clicked, this, &TfrmEdit::btOK2Click);
    connect(btCancel2, &QPushButton::clicked, this, &TfrmEdit::btCancel2Click);
    connect(btOrigin, &QPushButton::clicked, this, &TfrmEdit::btOriginClick);
    connect(btToday, &QPushButton::clicked, this, &TfrmEdit::btTodayClick);
    connect(btSpell2, &QPushButton::clicked, this, &TfrmEdit::btSpell2Click);
    connect(dtComplete, &QDateEdit::dateChanged, this, &TfrmEdit::dtCompleteSetDate);
}

TaskFields TfrmEdit::task() const {
    return {formatDateTime(QStringLiteral("t"), QDateTime(taskDate, dtTime->time())),
            cbCategory->currentText(), memoText(*memMain), cbDone->isChecked(), cbAlarm->isChecked()};
}

void TfrmEdit::hideTimeControls() {
    for (QWidget *control : std::initializer_list<QWidget *>{lblTime, dtTime, btTime, cbAlarm})
        control->hide();
}

bool TfrmEdit::IsMemoblank() const {
    return memoText(*memMain).isEmpty();
}

void TfrmEdit::FillCombo(QComboBox &box, const QString &fileName) {
    if (isEmptyFile(fileName))
        return;
    QStringList choices = readCategoryFile(fileName);
    sortChoices(choices);
    setComboItems(box, choices);
}

void TfrmEdit::UpdateComboBox(QComboBox &box, const QString &fileName) {
    QStringList choices = comboItems(box);
    if (!addChoice(choices, box.currentText()))
        return;
    setComboItems(box, choices);
    SaveCombo(box, fileName);
}

void TfrmEdit::SaveCombo(QComboBox &box, const QString &fileName) {
    QString error;
    if (!saveCategoryFile(fileName, comboItems(box), &error))
        prompter().error(QStringLiteral("Could not save %1: %2").arg(fileName, error));
}

void TfrmEdit::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmEdit::FormShow() {
    FillCombo(*cbCategory, categoryFileName());
    showPanel(false);
    const bool done = cbDone->isChecked();
    lblComplete->setText(done ? QStringLiteral("Completed Task")
                              : QStringLiteral("Task is not yet completed"));
    btComplete->setVisible(!done);
    btRepeat->setVisible(!done && isDateTask);
    btReschedule->setVisible(!done && isDateTask && isExisting);
    if (completeMode)
        btCompleteClick();
    taskDate = m_context.selectedDay;
    setTabOrder(dtTime, memMain);
    if (!completeMode) {
        memMain->moveCursor(QTextCursor::End);
        memMain->setFocus();
    }
}

void TfrmEdit::showPanel(bool completion) {
    pnlMain->setVisible(!completion);
    pnlComplete->setVisible(completion);
    btOK->setEnabled(!completion && btOK->isEnabled());
    btOK2->setEnabled(completion);
}

bool TfrmEdit::eventFilter(QObject *watched, QEvent *event) {
    if (watched == memMain && event->type() == QEvent::KeyPress &&
        !static_cast<QKeyEvent *>(event)->text().isEmpty())
        memMainKeyPress();
    if (watched == dtComplete && event->type() == QEvent::FocusOut)
        dtCompleteSetDate();
    return QDialog::eventFilter(watched, event);
}

void TfrmEdit::memMainKeyPress() {
    btComplete->setEnabled(true);
    btRepeat->setEnabled(true);
    btOK->setEnabled(true);
}

void TfrmEdit::btOKClick() {
    if (IsMemoblank()) {
        prompter().error(notesBlank);
        memMain->setFocus();
        return;
    }
    UpdateComboBox(*cbCategory, categoryFileName());
    accept();
}

void TfrmEdit::btCompleteClick() {
    if (IsMemoblank()) {
        prompter().error(notesBlank);
        return;
    }
    showPanel(true);
    btOK->setEnabled(false);
    memComplete->setFocus();
}

void TfrmEdit::btOK2Click() {
    cbAlarm->setChecked(false);
    cbDone->setChecked(true);
    AddToCompleteGrid();
    accept();
}

void TfrmEdit::btCancel2Click() {
    btOK->setEnabled(true);
    showPanel(false);
}

void TfrmEdit::AddToCompleteGrid() {
    if (!m_context.history)
        return;
    m_context.history->AddToCompleteGrid(
        {QDateTime(dtComplete->date(), QTime(0, 0)), QDateTime(dtComplete->date(), dtTime->time()),
         cbCategory->currentText(), originText, memoText(*memMain), memoText(*memComplete)});
}

// The copies go into the store from the repeat dialog; the editor's own changes are then dropped.
void TfrmEdit::btRepeatClick() {
    if (IsMemoblank()) {
        prompter().error(notesBlank);
        return;
    }
    if (!m_context.store)
        return;
    TfrmRecur dialog(*m_context.store, m_context.SortGridStore, this);
    dialog.init(formatDateTime(QStringLiteral("tt"), QDateTime(taskDate, dtTime->time())),
                cbCategory->currentText(), memoText(*memMain), yesNo(cbAlarm->isChecked()));
    dialog.startDate = m_context.selectedDay.addDays(1);
    if (runModal(dialog) == QDialog::Accepted)
        reject();
}

void TfrmEdit::btRescheduleClick() {
    TfrmReschedule dialog(m_context.titleStyle, this);
    dialog.date1->setDate(m_context.selectedDay);
    if (runModal(dialog) == QDialog::Accepted)
        taskDate = dialog.date1->date();
    if (taskDate != m_context.selectedDay)
        accept();
}

void TfrmEdit::btTimeClick() {
    TfrmTimePopup picker(this);
    picker.settime(dtTime->time());
    if (runModal(picker) != QDialog::Accepted)
        return;
    dtTime->setTime(picker.time());
    dtTime->setFocus();
}

void TfrmEdit::btOriginClick() {
    dtComplete->setDate(m_context.selectedDay);
}

void TfrmEdit::btTodayClick() {
    dtComplete->setDate(now().date());
}

void TfrmEdit::dtCompleteSetDate() {
    const QDateTime moment(dtComplete->date(), QTime(0, 0));
    lblDate->setText(formatDateTime(QStringLiteral("dddd"), moment) + QStringLiteral(" : ") +
                     relativeDate(moment));
}

void TfrmEdit::btSpell1Click() {
    TfrmSpell::checkMemo(*memMain, this);
}

void TfrmEdit::btSpell2Click() {
    TfrmSpell::checkMemo(*memComplete, this);
}

void TfrmEdit::btCategoryClick() {
    TfrmListBox editor(this);
    editor.setWindowTitle(QStringLiteral("Edit Category Choices"));
    editor.setItems(comboItems(*cbCategory));
    editor.selectText(cbCategory->currentText());
    if (runModal(editor) == QDialog::Accepted) {
        const QString current = editor.currentText();
        setComboItems(*cbCategory, editor.items());
        if (!current.isEmpty())
            cbCategory->setEditText(current);
    }
    SaveCombo(*cbCategory, categoryFileName());
}

} // namespace corvane
