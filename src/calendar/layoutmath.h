#pragma once

#include <QColor>
#include <QFontMetrics>
#include <QRect>

#include <array>
#include <optional>

namespace corvane {

// Where the four calendars go in the calendar area and how much of them shows, from the positions of the
// two splitters around it.
struct CalendarLayout {
    std::array<QRect, 4> rects; // cal1 top left, cal2 top right, cal3 bottom left, cal4 bottom right
    bool navigatorVisible = false;
    bool showWeekdays = false;
    bool showLabels = false;
    bool cellBevels = false;
    bool raisedLabels = false;
    // The cell font's point size; empty when the calendar font of the options applies.
    std::optional<int> fontSize;
};

CalendarLayout calendarLayout(int split1Position, int split2Position, int navigatorHeight);

// A width in pixels at 96 pixels per inch, on a screen with `dpi` pixels per inch.
int scaled(int width, int dpi);

// Column widths of the day list: Time, Category, What, Done?, Alarm?. Each fixed column is as wide as the
// layout's width at 96 pixels per inch scaled to the screen, or as its texts need in the list's font when
// that is more; What takes the rest, but never less than its readable minimum (the list then scrolls).
struct ListMetrics {
    int listWidth = 0;
    int dpi = 96;
    bool allRowsVisible = true;
    int scrollThumbWidth = 0;
    int frameWidth = 0;
    std::array<int, 5> needed{}; // by column: what its title and texts need, 0 for nothing
    int minimumWhat = 0;
};
std::array<int, 5> dayColumnWidths(const ListMetrics &metrics);
// Column widths of the non-date list: Category, What, Done? (needed by those columns too).
std::array<int, 3> nondayColumnWidths(const ListMetrics &metrics);
// The widest text a display pattern ("t", "ddddd", "ddd ddddd", ...) gives for any time of day, or any
// day of `year`, in the font of `metrics`: what a column of such texts needs.
int widestTimeText(const QFontMetrics &metrics, const QString &displayPattern);
int widestDateText(const QFontMetrics &metrics, const QString &displayPattern, int year);

// A list shows all its task rows when the fully visible rows are at least its rows less the title row.
bool allRowsVisible(int fullyVisibleRows, int rowCount);

// The narrowest the main window may be, frame included (638 at 96 pixels per inch).
int minimumWindowWidth(int dpi);
// The narrowest its client area may be: the outer minimum less the frame the window manager adds
// (630 at 96 pixels per inch, the width of a first run).
int minimumClientWidth(int dpi);

// The layout pulse: one deferred re-layout after the first showing, then the flashing of the splitter a
// Resize command points to, seven times lime green, ending in the button-face colour.
class LayoutPulse {
public:
    enum class Action { Relayout, Stop, Paint };

    void startFlashing();
    bool flashing() const { return m_flashing; }
    // The work of one tick; for Paint, `lime` tells the bar's colour.
    Action tick(bool *lime);

private:
    bool m_flashing = false;
    int m_count = 0;
};

} // namespace corvane
