#pragma once

#include "store/routines.h"
#include "store/tasktable.h"

#include <QString>

namespace corvane {

// Looks in gridStore for a task of today (the day of now()) whose alarm is "Yes" and whose time falls in
// the minute now() + minutesAhead. Only the stretch of rows the day view would show is looked at: from
// today's first row that passes the filter, as many consecutive rows as pass it. Answers false at once
// while alarms are switched off. On true, `what` and `time` hold the task's text and Time cell.
bool isThereAnAlarmReady(const TaskTable &store, bool playAlarm, int minutesAhead, const RowFilter &filter,
                         QString &what, QString &time);
// The same check answering the store row of the task, or -1.
int alarmReadyRow(const TaskTable &store, bool playAlarm, int minutesAhead, const RowFilter &filter);

// The minute of the day (0 to 1439) a Time text names, or -1 when it names no time of day.
int alarmMinuteOfDay(const QString &timeText);

// The alarm panel's caption: the first 40 characters of the task's text and its time text.
QString alarmCaption(const QString &what, const QString &time);
// The caption of an alarm that fell due while nobody looked; `date` is empty for today.
QString missedAlarmCaption(const QString &what, const QString &time, const QString &date);

// The Alarm text after a toggle: "Yes" becomes "No", anything else "Yes".
QString toggledAlarm(const QString &alarm);

} // namespace corvane
