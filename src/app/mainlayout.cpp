// TfrmMain: fitting the calendars and the list columns into the space the splitters give them, and the
// Resize commands that point the user to a splitter.

#include "app/main.h"

#include "alarms/timerpool.h"
#include "app/dayview.h"
#include "calendar/datenavigator.h"
#include "calendar/monthcalendar.h"
#include "widgets/taskgrid.h"

#include <QCursor>
#include <QHeaderView>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>

namespace corvane {

namespace {

// What a Done? or Alarm? column shows.
int yesNoWidth(const QFontMetrics &font) {
    return std::max(font.horizontalAdvance(QStringLiteral("Yes")),
                    font.horizontalAdvance(QStringLiteral("No")));
}

ListMetrics metricsOf(const TaskGrid &list) {
    ListMetrics metrics;
    // What keeps room for a few words.
    metrics.minimumWhat = list.fitWidth(DayWhat, 10 * list.fontMetrics().averageCharWidth());
    metrics.listWidth = list.width();
    metrics.dpi = list.logicalDpiX();
    const int rowHeight = std::max(1, list.rowHeight());
    metrics.allRowsVisible = allRowsVisible(list.viewport()->height() / rowHeight, list.table().rowCount());
    metrics.scrollThumbWidth = list.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    metrics.frameWidth = 2 * list.frameWidth();
    return metrics;
}

} // namespace

void TfrmMain::resizeCalendars() {
    const CalendarLayout layout =
        calendarLayout(pnlCalendars->width(), pnlCalendars->height(), nav->height());
    nav->setVisible(layout.navigatorVisible);
    nav->setGeometry(0, pnlCalendars->height() - nav->height(), pnlCalendars->width(), nav->height());

    QFont cellFont = cal1->font();
    if (layout.fontSize)
        cellFont.setPointSize(*layout.fontSize);
    else if (calendarFont.pointSize() > 0)
        cellFont.setPointSize(calendarFont.pointSize());
    QFont selectedFont = cal1->selectedFont();
    selectedFont.setPointSize(cellFont.pointSize());
    QFont labelFont = cal1->labelFont();
    labelFont.setPointSize(cellFont.pointSize());

    const std::array<MonthCalendar *, 4> all = calendars();
    for (int i = 0; i < 4; ++i) {
        MonthCalendar *calendar = all[i];
        calendar->setGeometry(layout.rects[i]);
        calendar->setShowWeekdays(layout.showWeekdays);
        calendar->setShowLabels(layout.showLabels);
        calendar->setCellBevels(layout.cellBevels);
        calendar->setRaisedLabels(layout.raisedLabels);
        calendar->setFont(cellFont);
        calendar->setSelectedFont(selectedFont);
        calendar->setLabelFont(labelFont);
    }
    // The calendar area grows with the cell font, so the day numbers keep to their cells (the two
    // columns share a pixel).
    pnlCalendars->setMinimumWidth(2 * cal1->minimumSizeHint().width() + 1);
}

void TfrmMain::ResizeGridDay() {
    ListMetrics metrics = metricsOf(*gridDay);
    const QFontMetrics font = gridDay->fontMetrics();
    metrics.needed = {gridDay->fitWidth(DayTime, widestTimeText(font, QStringLiteral("t"))),
                      gridDay->fitWidth(DayCategory), 0, gridDay->fitWidth(DayDone, yesNoWidth(font)),
                      gridDay->fitWidth(DayAlarm, yesNoWidth(font))};
    const std::array<int, 5> widths = dayColumnWidths(metrics);
    for (int column = 0; column < 5; ++column)
        gridDay->setColumnWidth(column, widths[column]);
}

void TfrmMain::ResizeGridNonDay() {
    ListMetrics metrics = metricsOf(*gridNonday);
    metrics.needed = {gridNonday->fitWidth(NondayCategory), 0,
                      gridNonday->fitWidth(NondayDone, yesNoWidth(gridNonday->fontMetrics()))};
    const std::array<int, 3> widths = nondayColumnWidths(metrics);
    for (int column = 0; column < 3; ++column)
        gridNonday->setColumnWidth(column, widths[column]);
}

// Qt's splitters share a change of the window's size among their panes, so the calendars follow it too.
void TfrmMain::FormResize() {
    ResizeGridDay();
    ResizeGridNonDay();
    resizeCalendars();
}

void TfrmMain::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TfrmMain::split1Resize() {
    resizeCalendars();
    ResizeGridDay();
}

void TfrmMain::split2Resize() {
    ResizeGridDay();
    resizeCalendars();
    ResizeGridNonDay();
}

void TfrmMain::Timer2Timer() {
    bool lime = false;
    switch (layoutPulse.tick(&lime)) {
    case LayoutPulse::Action::Relayout:
        FormResize();
        timerPool->setEnabled(layoutTrigger, false);
        break;
    case LayoutPulse::Action::Stop:
        timerPool->setEnabled(layoutTrigger, false);
        break;
    case LayoutPulse::Action::Paint:
        if (QSplitterHandle *bar = splitterToFlash ? splitterToFlash->handle(1) : nullptr) {
            QPalette colours = bar->palette();
            colours.setColor(QPalette::Window, lime ? QColor(0, 255, 0) : palette().color(QPalette::Button));
            bar->setPalette(colours);
            bar->setAutoFillBackground(true);
        }
        break;
    }
}

void TfrmMain::N4monthCalendars1Click() {
    pointAtSplitter(split1);
}

void TfrmMain::DaytoNonDayEvents1Click() {
    pointAtSplitter(split2);
}

void TfrmMain::DailyEventsNotes1Click() {
    pointAtSplitter(splitDay);
}

// Flashes the splitter's bar and puts the mouse pointer on it, so the user holds the bar to drag.
void TfrmMain::pointAtSplitter(QSplitter *splitter) {
    splitterToFlash = splitter;
    layoutPulse.startFlashing();
    timerPool->setEnabled(layoutTrigger, true);
    QSplitterHandle *bar = splitter->handle(1);
    if (!bar)
        return;
    const QPoint point = bar->mapToGlobal(bar->rect().center());
    QScreen *screen = bar->screen();
    if (screen && point.x() < screen->geometry().right() && point.y() < screen->geometry().bottom())
        QCursor::setPos(screen, point);
}

} // namespace corvane
