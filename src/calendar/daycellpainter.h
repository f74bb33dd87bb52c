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
    // The selected day of the current calendar: filled with these colours when it has no shade, framed
    // in the background colour around its shade otherwise, so its tasks' colour still shows.
    ColorPair selection{Qt::darkBlue, Qt::white};
};

// Prepares a calendar's canvas for one cell: days of the displayed month take the colours of their shade,
// the selected day of the current calendar stands out in the selection colours (above). Days of the
// neighbouring months keep the calendar's own look. Returns the cell's "use default drawing".
bool paintDayCell(QPainter &painter, const CalendarCell &cell, bool onCurrentCalendar,
                  const DayCellSource &source);

} // namespace corvane
