#pragma once

#include "store/tasktable.h"

#include <QString>
#include <QStringList>

namespace corvane {

// What a rule's day text says: a day of the month ("25") or an ordinal word and a weekday
// ("Fourth : Thursday").
struct HolidayDayChoice {
    bool specific = true;
    int dayOfMonth = 0; // 0 when the rule is floating or its day text is not a number
    QString ordinal;
    QString weekday;
};

// Splits a day text at " : " into ordinal and weekday (at most 255 characters); any other text is read
// as the day of the month.
HolidayDayChoice splitHolidayDay(const QString &dayText);
// The day text of a choice: the day number, or "<ordinal> : <weekday>".
QString holidayDayText(const HolidayDayChoice &day);
// The four cells of a rule: name, "%.2d" of the month number (00 when the month text names no month),
// month text, day text.
QStringList holidayRuleCells(const QString &name, const QString &monthText, const HolidayDayChoice &day);

// Writes a new rule at the row: a row holding a rule moves down with those below it, an empty one is
// filled.
void addHolidayRule(TaskTable &rules, int row, const QStringList &cells);
// Removes the rule of the row; the last remaining rule row is emptied instead, so one row always stays.
void deleteHolidayRule(TaskTable &rules, int row);
// True when a dragged rule row may be dropped on the row: any rule row.
bool canDropHolidayRule(const TaskTable &rules, int row);
// Moves the rule from one row to another (the rows between shift by one); false when there is nothing
// to move.
bool moveHolidayRule(TaskTable &rules, int from, int to);

} // namespace corvane
