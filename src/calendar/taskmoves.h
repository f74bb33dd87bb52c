#pragma once

#include "editing/taskrules.h"
#include "store/tasktable.h"

#include <QString>

namespace corvane {

// The question before a task changes list; only the day list's tasks lose fields.
QString moveBetweenListsQuestion(TaskList from);

// The task of a list row as it lands on a calendar day; a non-date task gets `timeNow` (the current
// time of day in the short time format) and no alarm.
TaskFields taskForDay(const TaskTable &list, TaskList from, int row, const QString &timeNow);

// Moves a task from one list to the other, to `targetRow` of the target (the rows from there move down;
// a target holding no task has its empty row filled instead). The task leaves the source as a delete
// does. A day-list task loses its time and alarm, a non-date task gets `timeNow` and no alarm.
void moveBetweenLists(TaskTable &source, TaskList from, int sourceRow, TaskTable &target, int targetRow,
                      const QString &timeNow);

} // namespace corvane
