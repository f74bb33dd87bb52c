#include "calendar/taskmoves.h"

#include "app/dayview.h"

namespace corvane {

QString moveBetweenListsQuestion(TaskList from) {
    return from == TaskList::Day
               ? QStringLiteral("Really move task between grids?  You will lose the Time and Alarm fields.")
               : QStringLiteral("Really move task between grids?");
}

TaskFields taskForDay(const TaskTable &list, TaskList from, int row, const QString &timeNow) {
    TaskFields task = readTask(list, from, row);
    if (from == TaskList::Nonday) {
        task.time = timeNow;
        task.alarm = false;
    }
    return task;
}

void moveBetweenLists(TaskTable &source, TaskList from, int sourceRow, TaskTable &target, int targetRow,
                      const QString &timeNow) {
    const TaskList to = from == TaskList::Day ? TaskList::Nonday : TaskList::Day;
    const TaskFields task = taskForDay(source, from, sourceRow, timeNow);
    const bool targetEmpty = target.rowCount() == 2 && !isTaskRow(target, to, 1);
    if (targetEmpty)
        targetRow = 1;
    else
        target.insertRows(targetRow, 1);
    writeTask(target, to, targetRow, task);
    removeListRow(source, sourceRow);
}

} // namespace corvane
