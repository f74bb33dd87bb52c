#pragma once

#include "store/routines.h"

#include <QPoint>
#include <QRect>
#include <QStringList>

namespace corvane {

// The lines of a day's summary: counts of pending and completed tasks, then the time and category of
// each pending task (TAB between the columns); "No events" when the day shows no task. A holiday's name
// and an empty line come first.
QStringList daySummaryLines(const TaskTable &store, int day, const QString &holidayName,
                            const RowFilter &filter);

// Where the summary panel goes: over the column of calendars the mouse is not on, centred on the two rows.
QRect summaryPanelRect(const QRect &cal1, const QRect &cal2, bool onRightColumn);

// Follows the mouse over the calendars and counts down the ticks until the summary is built: a second of
// rest on a new cell, or two ticks when the panel is already up and the mouse moves to a neighbouring day.
class HoverTracker {
public:
    // The mouse moved over calendar `calendar` (0..3) at `pos`, over day cell `cell` (1..42, or -1).
    // True when the panel is to be hidden (a jerk of more than 6 pixels).
    bool mouseMoved(int calendar, int cell, const QPoint &pos, bool panelVisible);
    // One tick of the hover trigger; true when the summary is to be built now.
    bool tick();
    // The mouse left the calendars (or a dialog came up): nothing is built until it rests on a day again.
    void cancel() { m_cell = -1; }

    int calendar() const { return m_calendar; }
    int cell() const { return m_cell; }
    bool onRightColumn() const { return m_onRightColumn; }

private:
    int m_calendar = 0;
    int m_cell = 0;
    QPoint m_last;
    bool m_onRightColumn = false;
    int m_countdown = 0;
};

} // namespace corvane
