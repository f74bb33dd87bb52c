#include "calendar/hoversummary.h"

#include "store/daynumber.h"

#include <cstdlib>

namespace corvane {

namespace {
const QString Tab = QStringLiteral("\t");
}

QStringList daySummaryLines(const TaskTable &store, int day, const QString &holidayName,
                            const RowFilter &filter) {
    QStringList lines;
    if (!holidayName.isEmpty())
        lines << holidayName << QString();
    const int first = firstRowOfDay(store, day, filter);
    if (first < 0)
        return lines << QStringLiteral("No events");

    // Every visible row of the day counts, wherever hidden rows lie between them.
    QStringList pending;
    int completed = 0;
    for (int row = first; row < store.rowCount() && dayOfKey(store.cell(StoreKey, row)) == day; ++row) {
        if (!filter(store.cell(StoreDone, row), store.cell(StoreCategory, row)))
            continue;
        if (store.cell(StoreDone, row) == QLatin1String("Yes"))
            ++completed;
        else
            pending << store.cell(StoreTime, row) + Tab + store.cell(StoreCategory, row);
    }
    if (!pending.isEmpty())
        lines << QString::number(pending.size()) + Tab + QStringLiteral(" Pending events");
    if (completed > 0)
        lines << QString::number(completed) + Tab + QStringLiteral(" Completed events");
    if (!pending.isEmpty())
        lines << QString() << pending;
    return lines;
}

QRect summaryPanelRect(const QRect &cal1, const QRect &cal2, bool onRightColumn) {
    const int height = cal1.height() + cal1.height() / 2;
    const int left = (onRightColumn ? cal1.left() : cal2.left()) + 2;
    const int top = cal1.top() + (2 * cal1.height() - height) / 2;
    return QRect(left, top, cal1.width() - 2, height);
}

bool HoverTracker::mouseMoved(int calendar, int cell, const QPoint &pos, bool panelVisible) {
    m_calendar = calendar;
    const bool hide = std::abs(pos.x() - m_last.x()) > 6 || std::abs(pos.y() - m_last.y()) > 6;
    m_last = pos;
    if (cell == m_cell)
        return hide;
    m_cell = cell;
    m_countdown = panelVisible && !hide ? 2 : 10;
    m_onRightColumn = calendar == 1 || calendar == 3;
    return hide;
}

bool HoverTracker::tick() {
    // Runs on below zero, so the summary is built once per rest.
    --m_countdown;
    return m_countdown == 0 && m_cell > 0;
}

} // namespace corvane
