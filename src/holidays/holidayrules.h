#pragma once

#include "store/tasktable.h"

#include <QDate>
#include <QString>

namespace corvane {

// Columns of the holiday table: one rule per row, named month and either a day of the month ("25") or
// an ordinal word and a weekday ("Fourth : Thursday").
enum HolidayColumn { HolidayName = 0, HolidayMonthNumber = 1, HolidayMonth = 2, HolidayDay = 3 };

// The ordinal words of floating rules; "Last" is the fifth.
const QStringList &holidayOrdinals();

// holiday.grd beside the program: the stored holiday rules.
QString holidayFileName();

// A holiday table with its titles and widths and one empty rule row.
TaskTable newHolidayTable();

// Replaces the table's rules by those of the grid file. A missing file leaves no rules and is no error;
// a corrupt one leaves no rules and fails with the reason.
bool loadHolidays(TaskTable &table, const QString &fileName, QString *error = nullptr);

// The n-th (1 to 4) or last (5 and more) day of the month falling on the weekday (Sunday = 1 ...
// Saturday = 7); 0 when there is none.
int NthWeekday(int year, int month, int n, int weekday);

// The day a rule's day text gives in that month of that year. A floating rule whose ordinal or weekday
// is not found falls on the first of the month. A fixed day the month lacks (29 February of a common
// year) or a day text that is not a number gives an invalid date: the rule names no day that year.
QDate HolidayDate(int year, int month, const QString &dayText);

// The day the rule of a table row gives in that month of that year; an invalid date when the rule is not
// one of that month (its month text, ignoring case, does not hold the month's name) or names no day.
QDate ruleDate(const TaskTable &table, int row, int year, int month);

// The name of the first rule of the table falling on the date, or empty text. Rules are recognised by
// their month name, ignoring case, as the format settings name months.
QString holidayName(const TaskTable &table, const QDate &date);

} // namespace corvane
