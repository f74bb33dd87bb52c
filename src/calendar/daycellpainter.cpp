#include "calendar/daycellpainter.h"

#include "store/daynumber.h"

#include <QPainter>

#include <algorithm>

namespace corvane {

bool paintDayCell(QPainter &painter, const CalendarCell &cell, bool onCurrentCalendar,
                  const DayCellSource &source) {
    if (!cell.inCurrentMonth)
        return true;
    if (!cell.date.isValid() || !source.store)
        return false;
    const auto isHoliday = [&] { return source.isHoliday && source.isHoliday(cell.date); };
    const CellShade shade =
        cellShade(*source.store, dayNumber(cell.date), source.options, isHoliday, source.filter);
    const bool selected = cell.selected && onCurrentCalendar;
    const ColorPair &colors =
        selected && shade == CellShade::Plain ? source.selection : source.palette.of(shade);
    painter.setPen(colors.text);
    if (selected && shade != CellShade::Plain) {
        const int frame = std::max(3, cell.rect.width() / 8);
        painter.fillRect(cell.rect, source.selection.background);
        painter.fillRect(cell.rect.adjusted(frame, frame, -frame, -frame), colors.background);
        painter.setBrush(Qt::NoBrush); // the calendar's fill would cover the frame
    } else {
        painter.fillRect(cell.rect, colors.background);
        painter.setBrush(colors.background);
    }
    return true;
}

} // namespace corvane
