// TfrmMain: tasks dragged within a list, between the two lists and onto a day of the calendars.
#include "app/main.h"

#include "calendar/taskmoves.h"
#include "settings/options.h"
#include "store/clock.h"
#include "store/dateformats.h"
#include "store/daynumber.h"
#include "widgets/prompter.h"
#include "widgets/taskgrid.h"

#include <QCheckBox>

namespace corvane {

namespace {

// The options' "D&rag/dropping from grids to grid or calendar": on until the options window says.
bool dragConfirmOn(const TfrmOptions *options) {
    return !options || options->cbDragConfirm->isChecked();
}

QString timeNow() {
    return formatDateTime(QStringLiteral("t"), now());
}

} // namespace

void TfrmMain::connectDragDrop() {
    for (TaskGrid *list : {gridDay, gridNonday}) {
        list->setRowDragEnabled(true);
        connect(list, &TaskGrid::rowDragOver, this,
                [this, list](const QMimeData *data, int row, bool *accept) {
                    gridDayDragOver(list, data, row, accept);
                });
        connect(list, &TaskGrid::rowDropped, this,
                [this, list](const QMimeData *data, int row) { gridDayDragDrop(list, data, row); });
    }
    for (MonthCalendar *calendar : calendars()) {
        calendar->setAcceptDrops(true);
        connect(calendar, &MonthCalendar::dragOver, this, &TfrmMain::cal1DragOver);
        connect(calendar, &MonthCalendar::dropped, this, [this, calendar](const QMimeData *data, int cellId) {
            cal1DragDrop(calendar, data, cellId);
        });
    }
}

TaskGrid *TfrmMain::draggedList(const QMimeData *data) const {
    const QString name = TaskGrid::draggedListName(data);
    for (TaskGrid *list : {gridDay, gridNonday})
        if (!name.isEmpty() && list->objectName() == name)
            return list;
    return nullptr;
}

void TfrmMain::gridDayDragOver(TaskGrid *, const QMimeData *data, int row, bool *accept) {
    *accept = row > 0 && draggedList(data);
}

void TfrmMain::gridDayDragDrop(TaskGrid *target, const QMimeData *data, int row) {
    TaskGrid *source = draggedList(data);
    if (!source || row < 1 || row >= target->table().rowCount())
        return;
    if (source == target) {
        if (row != source->row()) {
            source->table().moveRow(source->row(), row);
            source->setRow(row);
        }
    } else {
        const TaskList from = source == gridDay ? TaskList::Day : TaskList::Nonday;
        if (!isTaskRow(source->table(), from, source->row()))
            return;
        if (dragConfirmOn(frmOptions) && !prompter().confirm(moveBetweenListsQuestion(from)))
            return;
        moveBetweenLists(source->table(), from, source->row(), target->table(), row, timeNow());
    }
    writeToStore(dayNumber(selectedDate().date()));
    ColorAllCalendars(false);
    ResizeGridDay();
    ResizeGridNonDay();
    UpdateLabels(currentCalendar);
}

void TfrmMain::cal1DragOver(const QMimeData *data, bool *accept) {
    *accept = draggedList(data) != nullptr;
}

void TfrmMain::cal1DragDrop(MonthCalendar *target, const QMimeData *data, int cellId) {
    TaskGrid *source = draggedList(data);
    const QDate day = target->dateOfCell(cellId);
    if (!source || !currentCalendar || !day.isValid())
        return;
    const TaskList from = source == gridDay ? TaskList::Day : TaskList::Nonday;
    if (!isTaskRow(source->table(), from, source->row()))
        return;
    if (dragConfirmOn(frmOptions) && !prompter().confirm(QStringLiteral("Really move task?")))
        return;
    MonthCalendar *before = currentCalendar;
    previousCalendar = currentCalendar;
    currentCalendar = target;
    dragSourceList = source;
    const TaskFields task = taskForDay(source->table(), from, source->row(), timeNow());
    deleteEntry(source, true, QDateTime(before->date(), QTime(0, 0)));
    insertIntoStore(gridStore, dayNumber(day), task);
    SortGridStore();
    // The day list must show the target day even when the calendar already had that date.
    const bool dateStays = target->date() == day;
    target->setDate(day);
    if (dateStays)
        cal1DateChange();
    for (MonthCalendar *calendar : calendars())
        setCalendarLook(calendar, calendar == target, true);
    before->update();
    target->update();
}

} // namespace corvane
