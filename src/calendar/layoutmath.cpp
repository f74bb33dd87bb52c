#include "calendar/layoutmath.h"

namespace corvane {

CalendarLayout calendarLayout(int split1Position, int split2Position, int navigatorHeight) {
    CalendarLayout layout;
    const int width = (split1Position - 1) / 2;
    int height = (split2Position - navigatorHeight - 5) / 2;
    layout.navigatorVisible = height > 90;
    if (!layout.navigatorVisible)
        height = (split2Position - 5) / 2;

    // The two columns and the two rows share one pixel.
    const QPoint topLeft(-1, -1);
    const int right = topLeft.x() + width - 1;
    const int bottom = topLeft.y() + height - 1;
    layout.rects[0] = QRect(topLeft.x(), topLeft.y(), width, height);
    layout.rects[1] = QRect(right, topLeft.y(), width, height);
    layout.rects[2] = QRect(topLeft.x(), bottom, width, height);
    layout.rects[3] = QRect(right, bottom, width, height);

    layout.showWeekdays = height > 106;
    layout.showLabels = height > 50;
    layout.cellBevels = height > 106;
    layout.raisedLabels = height >= 75;
    if (height < 50)
        layout.fontSize = 4;
    else if (height < 75)
        layout.fontSize = 6;
    return layout;
}

int scaled(int width, int dpi) {
    return width * dpi / 96;
}

std::array<int, 5> dayColumnWidths(const ListMetrics &m) {
    const int time = scaled(56, m.dpi);
    const int category = scaled(72, m.dpi);
    const int done = scaled(40, m.dpi);
    const int alarm = scaled(40, m.dpi);
    const int scroll = m.allRowsVisible ? 0 : m.scrollThumbWidth;
    const int what = m.listWidth - time - category - done - alarm - scroll - m.frameWidth - 5;
    return {time, category, what, done, alarm};
}

std::array<int, 3> nondayColumnWidths(const ListMetrics &m) {
    const int category = scaled(72, m.dpi);
    const int done = scaled(40, m.dpi);
    const int scroll = m.allRowsVisible ? 0 : m.scrollThumbWidth;
    const int what = m.listWidth - category - done - scroll - m.frameWidth - 5;
    return {category, what, done};
}

bool allRowsVisible(int fullyVisibleRows, int rowCount) {
    return fullyVisibleRows >= rowCount - 1;
}

int minimumWindowWidth(int dpi) {
    return scaled(638, dpi);
}

int minimumClientWidth(int dpi) {
    return minimumWindowWidth(dpi) - scaled(8, dpi);
}

void LayoutPulse::startFlashing() {
    m_flashing = true;
    m_count = 15;
}

LayoutPulse::Action LayoutPulse::tick(bool *lime) {
    if (!m_flashing)
        return Action::Relayout;
    if (m_count < 1) {
        m_flashing = false;
        return Action::Stop;
    }
    *lime = m_count % 2 == 0;
    --m_count;
    return Action::Paint;
}

} // namespace corvane
