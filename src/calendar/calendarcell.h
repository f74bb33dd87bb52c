#pragma once

#include <QDate>
#include <QRect>

namespace corvane {

// What a month calendar tells the handler that paints one of its day cells.
struct CalendarCell {
    QRect rect;
    QDate date;     // the cell's own date; neighbouring months' days have theirs
    int day = 0;    // day of the month
    int cellId = 0; // 1..42, row by row over the six weeks
    bool inCurrentMonth = false;
    bool selected = false;
    bool today = false;
};

} // namespace corvane
