// The main window's task commands: add, edit, complete and delete, on either list.
#include "app/main.h"

#include "app/program.h"
#include "editing/complete.h"
#include "editing/edit.h"
#include "editing/editorwidgets.h"
#include "editing/taskrules.h"
#include "store/daynumber.h"
#include "store/routines.h"
#include "widgets/modal.h"
#include "widgets/prompter.h"
#include "widgets/shadowlabel.h"
#include "widgets/taskgrid.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTimeEdit>

namespace corvane {

void TfrmMain::connectTaskCommands() {
    const auto bind = [this](QAction *action, void (TfrmMain::*command)(QObject *)) {
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, [this, action, command] { (this->*command)(action); });
    };
    for (QAction *action : {tbAdd1, Add1, tbAdd2, MenuItem1})
        bind(action, &TfrmMain::btAddClick);
    for (QAction *action : {tbEdit1, Edit2, tbEdit2, MenuItem2})
        bind(action, &TfrmMain::btEditClick);
    for (QAction *action : {tbDone1, Markascompleted2, tbDone2, Markascompleted1})
        bind(action, &TfrmMain::Markascompleted1Click);
    for (QAction *action : {tbDel1, Del1, tbDel2, MenuItem3})
        bind(action, &TfrmMain::btDelClick);
    for (QAction *action : {CompletedTasks1, tbCompleted}) {
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, &TfrmMain::CompletedTasks1Click);
    }
    connect(gridDay, &TaskGrid::rowDoubleClicked, this, &TfrmMain::gridDayDblClick);
    connect(gridNonday, &TaskGrid::rowDoubleClicked, this, &TfrmMain::gridNondayDblClick);
}

namespace {

// After Repeat stored its copies. They may fall on the day shown, and a view that missed them would drop
// them at its next write-back, so the day is read again.
void storeRepeats(TfrmMain &main) {
    main.SortGridStore();
    main.readFromStore(dayNumber(main.selectedDate().date()));
    main.UpdateLabels(main.currentCalendar);
}

TfrmEdit::Context editorContext(TfrmMain &main) {
    return {main.selectedDate().date(),
            main.defaultCategory,
            forms().frmComplete,
            main.lblDate,
            &main.gridStore,
            [&main] { storeRepeats(main); }};
}

} // namespace

void TfrmMain::btAddClick(QObject *sender) {
    const TaskList list = sender == tbAdd1 || sender == Add1 ? TaskList::Day : TaskList::Nonday;
    TaskGrid *grid = list == TaskList::Day ? gridDay : gridNonday;
    const QDate day = selectedDate().date();
    TfrmEdit editor(editorContext(*this), this);
    if (list == TaskList::Day) {
        editor.originText = dayOrigin(day);
        editor.lblTitle->setText(editorTitle(day));
        if (isPastDay(day)) {
            editor.lblTitle->setText(QStringLiteral("PAST ") + editorTitle(day));
            editor.lblTitle->setTextColor(Qt::red);
        }
    } else {
        editor.originText = QStringLiteral("Non-date task");
        editor.lblTitle->setText(QStringLiteral("Non Date Oriented Task"));
        editor.hideTimeControls();
    }
    // Typing the notes enables them.
    for (QPushButton *button : {editor.btComplete, editor.btRepeat, editor.btOK})
        button->setEnabled(false);
    if (runModal(editor) == QDialog::Accepted) {
        TaskTable &table = grid->table();
        writeTask(table, list, freeRow(table, emptyRowTest(list)), editor.task());
        table.sort();
        if (list == TaskList::Day)
            writeToStore(dayNumber(day));
        ResizeGridDay();
        ResizeGridNonDay();
        UpdateLabels(currentCalendar);
    }
    grid->setFocus();
}

void TfrmMain::btEditClick(QObject *sender) {
    if (sender == tbEdit1)
        gridDay->setFocus();
    else if (sender == tbEdit2)
        gridNonday->setFocus();
    EditOrComplete(sender, true);
    ColorAllCalendars(false);
}

void TfrmMain::Markascompleted1Click(QObject *sender) {
    if (sender == tbDone1 || sender == Markascompleted2)
        gridDay->setFocus();
    else if (sender == tbDone2 || sender == Markascompleted1)
        gridNonday->setFocus();
    EditOrComplete(sender, false);
    ColorAllCalendars(false);
}

void TfrmMain::gridDayDblClick() {
    EditOrComplete(gridDay, true);
}

void TfrmMain::gridNondayDblClick() {
    EditOrComplete(gridNonday, true);
}

void TfrmMain::EditOrComplete(QObject *sender, bool edit) {
    // The day list's own controls choose it even while the window has no focus to tell.
    const bool dayControl = sender == tbEdit1 || sender == Edit2 || sender == tbDone1 ||
                            sender == Markascompleted2 || sender == gridDay;
    const TaskList list = editTarget(gridNonday->hasFocus(), gridDay->hasFocus(), dayControl);
    TaskGrid *grid = list == TaskList::Day ? gridDay : gridNonday;
    TaskTable &table = grid->table();
    const int row = grid->row();
    const QString refusal = editRefusal(table, list, row, !edit);
    if (!refusal.isEmpty()) {
        prompter().error(refusal);
        return;
    }
    const QDate day = selectedDate().date();
    const TaskFields old = readTask(table, list, row);
    TfrmEdit editor(editorContext(*this), this);
    editor.setWindowTitle(editCaption(old.what));
    editor.isExisting = true;
    if (list == TaskList::Day) {
        editor.originText = dayOrigin(day);
        editor.lblTitle->setText(editorTitle(day));
        editor.dtTime->setTime(dateTimeOfValue(readTime(old.time)).time());
        editor.cbAlarm->setChecked(old.alarm);
    } else {
        editor.originText = QStringLiteral("Non date task");
        editor.hideTimeControls();
    }
    editor.cbCategory->setEditText(old.category);
    editor.cbDone->setChecked(old.done);
    if (old.done)
        editor.hideTimeControls();
    setMemoText(*editor.memMain, old.what);
    editor.completeMode = !edit;
    editor.isDateTask = list == TaskList::Day;
    if (runModal(editor) == QDialog::Accepted) {
        const TaskFields task = editor.task();
        if (list == TaskList::Day && editor.taskDate != day) {
            deleteEntry(gridDay, true, selectedDate());
            insertIntoStore(gridStore, dayNumber(editor.taskDate), task);
            SortGridStore();
        } else {
            writeTask(table, list, row, task);
            if (list == TaskList::Day)
                writeToStore(dayNumber(day));
        }
    }
    grid->setFocus();
}

void TfrmMain::btDelClick(QObject *sender) {
    const TaskList list = sender == tbDel1 || sender == Del1 ? TaskList::Day : TaskList::Nonday;
    TaskGrid *grid = list == TaskList::Day ? gridDay : gridNonday;
    const int row = grid->row();
    if (!isTaskRow(grid->table(), list, row)) {
        prompter().error(QStringLiteral("There is nothing selected to delete"));
        return;
    }
    if (confirmDelete && !prompter().confirm(deleteQuestion(grid->table().cell(whatColumn(list), row))))
        return;
    deleteEntry(grid, list == TaskList::Day, selectedDate());
}

void TfrmMain::CompletedTasks1Click() {
    if (forms().frmComplete)
        runModal(*forms().frmComplete);
}

} // namespace corvane
