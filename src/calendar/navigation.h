#pragma once

#include "store/routines.h"

#include <QDate>

namespace corvane {

// Which task states make a day highlighted, and which rows are seen.
struct HighlightQuery {
    bool colorDone = true;
    bool colorNotDone = true;
    RowFilter filter = passAll;
};

// The nearest highlighted day after `date` in the store (sorted by store key), or `date` when none.
QDate nextHighlightedDay(const TaskTable &store, const QDate &date, const HighlightQuery &query);
// The nearest highlighted day before `date`, or `date` when none.
QDate priorHighlightedDay(const TaskTable &store, const QDate &date, const HighlightQuery &query);

} // namespace corvane
