#pragma once

#include "store/routines.h"
#include "store/tasktable.h"

#include <QDateTime>
#include <QString>

namespace corvane {

// Columns of the day list gridDay and of the non-date list gridNonday.
enum DayColumn { DayTime = 0, DayCategory = 1, DayWhat = 2, DayDone = 3, DayAlarm = 4 };
enum NondayColumn { NondayCategory = 0, NondayWhat = 1, NondayDone = 2 };

// The initial shapes: gridStore has six columns and no task rows; the lists have their titles and one
// empty row. The store compares its keys as store keys, the day list its times as times.
void setUpStoreTable(TaskTable &store);
void setUpDayTable(TaskTable &day);
void setUpNondayTable(TaskTable &nonday);

// The day list's comparison of two Time texts: equal when either is empty, else as times of day (a text
// that is no time reads as now, date included, so it sorts after every real time).
int compareTimes(const QString &a, const QString &b);

// Fills the day list with the rows of the day that pass the filter, in store order; an empty day gives
// one empty row.
void readFromStore(const TaskTable &store, TaskTable &day, int dayNumber, const RowFilter &filter);
// Replaces the rows of the day that pass the filter by the day list's rows with a time, keyed
// <day>.101, <day>.102, ... in list order; rows the filter hides stay as they are. Leaves sorting to
// sortStore().
void writeToStore(TaskTable &store, const TaskTable &day, int dayNumber, const RowFilter &filter);
// Drops rows without a key and sorts the store by key.
void sortStore(TaskTable &store);

// Removes a list's row; the last remaining record becomes the empty row instead.
void removeListRow(TaskTable &list, int row);

// The titles of the two lists. `date` is the selected day, `holiday` the name of its holiday or empty.
QString nondayTitle(const TaskTable &nonday);
QString dayTitle(const TaskTable &day, const QDateTime &date, const QString &holiday);

} // namespace corvane
