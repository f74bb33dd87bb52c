#include "calendar/layoutmath.h"

#include "store/dateformats.h"

#include <algorithm>

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

namespace {

int fixedWidth(const ListMetrics &m, int column, int width) {
    return std::max(scaled(width, m.dpi), m.needed[column]);
}

int restForWhat(const ListMetrics &m, int fixedColumns) {
    const int scroll = m.allRowsVisible ? 0 : m.scrollThumbWidth;
    return std::max(m.minimumWhat, m.listWidth - fixedColumns - scroll - m.frameWidth - 5);
}

} // namespace

std::array<int, 5> dayColumnWidths(const ListMetrics &m) {
    const int time = fixedWidth(m, 0, 56);
    const int category = fixedWidth(m, 1, 72);
    const int done = fixedWidth(m, 3, 40);
    const int alarm = fixedWidth(m, 4, 40);
    return {time, category, restForWhat(m, time + category + done + alarm), done, alarm};
}

std::array<int, 3> nondayColumnWidths(const ListMetrics &m) {
    const int category = fixedWidth(m, 0, 72);
    const int done = fixedWidth(m, 2, 40);
    return {category, restForWhat(m, category + done), done};
}

int widestTimeText(const QFontMetrics &metrics, const QString &displayPattern) {
    // Minutes and seconds in the font's widest pair of digits, with every hour.
    int widestPair = 0;
    for (int n = 0; n < 60; ++n)
        if (metrics.horizontalAdvance(QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'))) >
            metrics.horizontalAdvance(QStringLiteral("%1").arg(widestPair, 2, 10, QLatin1Char('0'))))
            widestPair = n;
    int widest = 0;
    for (int hour = 0; hour < 24; ++hour) {
        const QDateTime moment(QDate(2000, 1, 1), QTime(hour, widestPair, widestPair));
        widest = std::max(widest, metrics.horizontalAdvance(formatDateTime(displayPattern, moment)));
    }
    return widest;
}

int widestDateText(const QFontMetrics &metrics, const QString &displayPattern, int year) {
    int widest = 0;
    for (QDate day(year, 1, 1); day.year() == year; day = day.addDays(1))
        widest = std::max(
            widest, metrics.horizontalAdvance(formatDateTime(displayPattern, QDateTime(day, QTime(0, 0)))));
    return widest;
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
