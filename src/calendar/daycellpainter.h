#pragma once

#include "calendar/calendarcell.h"
#include "calendar/cellcolors.h"

#include <functional>

class QPainter;

namespace corvane {

// What the day cells of the calendars are coloured from.
struct DayCellSource {
    const TaskTable *store = nullptr;
    ShadeOptions options;
    CellPalette palette;
    std::function<bool(const QDate &)> isHoliday;
    RowFilter filter = passAll;
};

// Prepares a calendar's canvas for one cell: days of the displayed month take the colours of their shade,
// except the selected day of the current calendar, which keeps the calendar's selected look. Days of the
// neighbouring months keep the calendar's own look. Returns the cell's "use default drawing".
bool paintDayCell(QPainter &painter, const CalendarCell &cell, bool onCurrentCalendar,
                  const DayCellSource &source);

} // namespace corvane
