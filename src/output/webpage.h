#pragma once

#include "store/routines.h"
#include "store/tasktable.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

namespace corvane {

// The month as a grid: [week 1-6][column 1-7, Sunday first] holds the day of the month, 0 for none. Row 0
// and column 0 stay 0. Weeks start on Sunday whatever the week-start option.
using MonthGrid = std::array<std::array<int, 8>, 7>;
MonthGrid FillGridWithNumbers(const QDate &month);

// The HTML of one day cell, and one TAB-separated line per task of a day (day of month, lower-cased time,
// category, alarm, done, what).
using DaySummary = std::function<QString(const QDate &)>;
using DayDetails = std::function<QStringList(const QDate &)>;

// The web page of the month of `month`, line by line, with the details table when `details`.
QStringList webPageLines(const QDate &month, bool details, const DaySummary &summary,
                         const DayDetails &lines);

// The day cell: the day's holiday in blue, then each task the filter shows, as its lower-cased time and its
// category; texts are escaped.
QString daySummaryHtml(const TaskTable &store, const QDate &date, const QString &holiday,
                       const RowFilter &filter);
QStringList dayDetailLines(const TaskTable &store, const QDate &date, const RowFilter &filter);

} // namespace corvane
