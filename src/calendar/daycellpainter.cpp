#include "calendar/daycellpainter.h"

#include "store/daynumber.h"

#include <QPainter>

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
    if (!cell.selected || !onCurrentCalendar) {
        const ColorPair &colors = source.palette.of(shade);
        painter.setBrush(colors.background);
        painter.setPen(colors.text);
        painter.fillRect(cell.rect, colors.background);
    }
    return true;
}

} // namespace corvane
