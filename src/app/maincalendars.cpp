// TfrmMain: the four calendars and the navigator, navigation by menu and keys, the hover summary, help.

#include "app/main.h"

#include "alarms/timerpool.h"
#include "app/dayview.h"
#include "calendar/calendarmonths.h"
#include "calendar/datenavigator.h"
#include "calendar/daycellpainter.h"
#include "calendar/hoversummary.h"
#include "calendar/navigation.h"
#include "settings/colorpanel.h"
#include "settings/colorvalue.h"
#include "settings/options.h"
#include "store/clock.h"
#include "store/dateformats.h"
#include "store/daynumber.h"
#include "store/programfolder.h"
#include "widgets/prompter.h"
#include "widgets/shadowlabel.h"
#include "widgets/taskgrid.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace corvane {

namespace {

// Restores a flag on leaving a scope.
class FlagGuard {
public:
    explicit FlagGuard(bool &flag) : m_flag(flag) { m_flag = true; }
    ~FlagGuard() { m_flag = false; }
    FlagGuard(const FlagGuard &) = delete;
    FlagGuard &operator=(const FlagGuard &) = delete;

private:
    bool &m_flag;
};

// Draws a summary line as a list box with tab stops would: the text of the second column starts at the
// first tab stop (every 12 dialog units) after the first column's text.
class TabStopDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        item.text.clear();
        const QWidget *view = option.widget;
        view->style()->drawControl(QStyle::CE_ItemViewItem, &item, painter, view);
        const QRect text = option.rect.adjusted(margin(view), 0, 0, 0);
        painter->setPen(option.palette.color(QPalette::Text));
        painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter, index.data().toString());
        painter->drawText(text.adjusted(secondStart(option.fontMetrics, index), 0, 0, 0),
                          Qt::AlignLeft | Qt::AlignVCenter, second(index));
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const QFontMetrics &metrics = option.fontMetrics;
        size.setWidth(2 * margin(option.widget) + secondStart(metrics, index) +
                      metrics.horizontalAdvance(second(index)));
        return size;
    }

private:
    static QString second(const QModelIndex &index) { return index.siblingAtColumn(1).data().toString(); }
    static int margin(const QWidget *view) {
        return view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    }
    static int secondStart(const QFontMetrics &metrics, const QModelIndex &index) {
        const int first = metrics.horizontalAdvance(index.data().toString());
        if (second(index).isEmpty())
            return first;
        const int stop = std::max(1, 3 * metrics.averageCharWidth()); // 12 dialog units
        return (first / stop + 1) * stop;
    }
};

} // namespace

void TfrmMain::createCalendars() {
    const char *names[] = {"cal1", "cal2", "cal3", "cal4"};
    MonthCalendar **fields[] = {&cal1, &cal2, &cal3, &cal4};
    for (int i = 0; i < 4; ++i) {
        auto *calendar = new MonthCalendar(pnlCalendars);
        calendar->setObjectName(QString::fromLatin1(names[i]));
        calendar->setSelectedColor(palette().color(QPalette::Button));
        calendar->setBevel(MonthCalendar::Bevel::Lowered);
        calendar->setBevelWidth(2);
        connect(calendar, &MonthCalendar::clicked, this, &TfrmMain::cal1Click);
        connect(calendar, &MonthCalendar::dateChanged, this, &TfrmMain::cal1DateChange);
        connect(calendar, &MonthCalendar::monthChanged, this, &TfrmMain::cal1MonthChange);
        connect(calendar, &MonthCalendar::drawCell, this, &TfrmMain::cal1DrawCell);
        connect(calendar, &MonthCalendar::cellDoubleClicked, this, &TfrmMain::cal1CellDblClick);
        connect(calendar, &MonthCalendar::mouseMoved, this, &TfrmMain::cal2MouseMove);
        *fields[i] = calendar;
    }
    nav = new DateNavigator(pnlCalendars);
    nav->setObjectName(QStringLiteral("nav"));
    connect(nav, &DateNavigator::changed, this, &TfrmMain::navChange);

    pnlPop = new QFrame(pnlCalendars);
    pnlPop->setObjectName(QStringLiteral("pnlPop"));
    pnlPop->setFrameShape(QFrame::Panel);
    pnlPop->setFrameShadow(QFrame::Raised);
    pnlPop->setAutoFillBackground(true);
    auto *column = new QVBoxLayout(pnlPop);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(0);
    lblPopDate = new ShadowLabel(QString(), pnlPop);
    lblPopWhen = new ShadowLabel(QString(), pnlPop);
    for (ShadowLabel *label : {lblPopDate, lblPopWhen}) {
        label->setAlignment(Qt::AlignCenter);
        column->addWidget(label);
    }
    // Two columns stand for the list's tab stop: the text before and after a line's TAB.
    lbPopup = new QTreeWidget(pnlPop);
    lbPopup->setObjectName(QStringLiteral("lbPopup"));
    lbPopup->setColumnCount(2);
    lbPopup->setHeaderHidden(true);
    lbPopup->setRootIsDecorated(false);
    lbPopup->setFocusPolicy(Qt::NoFocus);
    lbPopup->setSelectionMode(QAbstractItemView::NoSelection);
    lbPopup->setIndentation(0);
    // Each line as wide as its texts; a scroll bar only when a line does not fit the panel.
    lbPopup->setColumnHidden(1, true);
    lbPopup->header()->setStretchLastSection(false);
    lbPopup->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    lbPopup->setItemDelegate(new TabStopDelegate(lbPopup));
    column->addWidget(lbPopup, 1);
    pnlPop->hide();
}

void TfrmMain::connectNavigation() {
    const std::pair<QAction *, void (TfrmMain::*)()> commands[] = {
        {NextTask1, &TfrmMain::NextTask1Click},
        {PriorTask1, &TfrmMain::PriorTask1Click},
        {NextMonth1, &TfrmMain::NextMonth1Click},
        {PriorMonth1, &TfrmMain::PriorMonth1Click},
        {NextYear1, &TfrmMain::NextYear1Click},
        {PriorYear1, &TfrmMain::PriorYear1Click},
        {Today1, &TfrmMain::Today1Click},
        {tbToday, &TfrmMain::Today1Click},
        {Help2, &TfrmMain::Help2Click},
        {tbHelp, &TfrmMain::Help2Click},
        {HalveringHomePage1, &TfrmMain::HalveringHomePage1Click},
        {N4monthCalendars1, &TfrmMain::N4monthCalendars1Click},
        {DaytoNonDayEvents1, &TfrmMain::DaytoNonDayEvents1Click},
        {DailyEventsNotes1, &TfrmMain::DailyEventsNotes1Click},
    };
    for (const auto &[action, handler] : commands) {
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, handler);
    }
    connect(split1, &QSplitter::splitterMoved, this, &TfrmMain::split1Resize);
    connect(split2, &QSplitter::splitterMoved, this, &TfrmMain::split2Resize);
}

void TfrmMain::showTodayOnCalendars() {
    {
        const QSignalBlocker quiet(nav);
        nav->setDate(now().date());
    }
    {
        const QSignalBlocker quiet(cal2);
        cal2->setDate(now().date());
    }
    setCalendarLook(cal2, true, true);
    currentCalendar = cal2;
    previousCalendar = cal2;
    inDateChange = false;
    inMonthChange = false;
    updateAppropriateMonth();
}

bool TfrmMain::isMenuShortcut(const QKeyEvent &event) const {
    const QKeySequence pressed(event.keyCombination());
    for (QAction *action : {NextTask1, PriorTask1, NextMonth1, PriorMonth1, NextYear1, PriorYear1, Today1})
        if (action->shortcut() == pressed)
            return true;
    return false;
}

bool TfrmMain::hidesSummary(QObject *watched) const {
    const auto *widget = qobject_cast<const QWidget *>(watched);
    for (const QWidget *control : summaryHiders())
        if (widget && (widget == control || control->isAncestorOf(widget)))
            return true;
    return false;
}

std::array<QWidget *, 6> TfrmMain::summaryHiders() const {
    return {lblDate, gridDay, memWhat, EsLabel1, gridNonday, ToolBar1};
}

void TfrmMain::trackMouseForSummary() {
    // Moves over these controls hide the summary, so they report moves without a button held too.
    for (QWidget *control : summaryHiders()) {
        control->setMouseTracking(true);
        for (QWidget *part : control->findChildren<QWidget *>())
            part->setMouseTracking(true);
    }
}

DayCellSource TfrmMain::calendarColours() const {
    DayCellSource source;
    source.palette.plain = {palette().color(QPalette::Button), palette().color(QPalette::WindowText)};
    source.selection = {palette().color(QPalette::Highlight), palette().color(QPalette::HighlightedText)};
    if (!frmOptions) {
        source.palette.done = {QColor(0, 255, 255), QColor(Qt::black)};
        source.palette.notDone = {QColor(255, 0, 0), QColor(Qt::white)};
        source.palette.holiday = {QColor(0, 255, 255), QColor(Qt::black)};
        return source;
    }
    const auto pair = [](const ColorPanel *panel) {
        return ColorPair{colorFromValue(panel->backColor()), colorFromValue(panel->textColor())};
    };
    source.palette.done = pair(frmOptions->pnlDone);
    source.palette.notDone = pair(frmOptions->pnlNotDone);
    source.palette.holiday = pair(frmOptions->pnlHoliday);
    source.options = {frmOptions->cbColorDone->isChecked(), frmOptions->cbColorNotDone->isChecked(),
                      frmOptions->cbHoliday->isChecked()};
    return source;
}

bool TfrmMain::popupOn() const {
    return !frmOptions || frmOptions->cbPopup->isChecked();
}

void TfrmMain::applyCalendarFont(const QFont &font) {
    for (MonthCalendar *calendar : calendars()) {
        calendar->setFont(font);
        calendar->setSelectedFont(font);
        QFont label = font;
        label.setBold(true);
        calendar->setLabelFont(label);
    }
    nav->setFont(font);
    calendarFont = font;
    resizeCalendars();
}

std::array<MonthCalendar *, 4> TfrmMain::calendars() const {
    return {cal1, cal2, cal3, cal4};
}

QDateTime TfrmMain::selectedDate() const {
    if (!currentCalendar)
        return now();
    return QDateTime(currentCalendar->date(), QTime(0, 0));
}

// --- The current calendar and the day it hands over -------------------------------------------------

void TfrmMain::setCalendarLook(MonthCalendar *calendar, bool current, bool raise) {
    // The palette's highlight, which stands out whatever the theme; the button highlight may not.
    calendar->setSelectedColor(palette().color(current ? QPalette::Highlight : QPalette::Button));
    if (raise || !current)
        calendar->setBevel(current ? MonthCalendar::Bevel::Raised : MonthCalendar::Bevel::Lowered);
    calendar->setBevelWidth(2);
}

void TfrmMain::cal1Click() {
    auto *clicked = qobject_cast<MonthCalendar *>(sender());
    if (!clicked)
        return;
    previousCalendar = currentCalendar;
    currentCalendar = clicked;
    for (MonthCalendar *calendar : calendars())
        if (calendar != clicked)
            setCalendarLook(calendar, false, false);
    setCalendarLook(clicked, true, false);
    if (previousCalendar == currentCalendar)
        return;
    setCalendarLook(clicked, true, true);
    cal1DateChange();
}

void TfrmMain::cal1DateChange() {
    if (inDateChange)
        return;
    FlagGuard guard(inDateChange);
    if (currentCalendar) {
        previousCalendar = currentCalendar;
        readFromStore(dayNumber(currentCalendar->date()));
        UpdateLabels(currentCalendar);
        const QSignalBlocker quiet(nav);
        nav->setDate(currentCalendar->date());
    }
    if (searchHitRow >= 0)
        selectSearchHit();
}

void TfrmMain::selectSearchHit() {
    gridDay->setFocus();
    const TaskTable &day = gridDay->table();
    // An upward search takes the last of equal rows, a downward one the first.
    const int rows = day.rowCount();
    for (int i = 1; i < rows; ++i) {
        const int row = searchHitFromBottom ? rows - i : i;
        if (day.cell(DayTime, row) == gridStore.cell(StoreTime, searchHitRow) &&
            day.cell(DayCategory, row) == gridStore.cell(StoreCategory, searchHitRow) &&
            day.cell(DayWhat, row) == gridStore.cell(StoreWhat, searchHitRow)) {
            gridDay->setRow(row);
            return;
        }
    }
}

void TfrmMain::cal1MonthChange() {
    if (!currentCalendar || inMonthChange)
        return;
    FlagGuard guard(inMonthChange);
    updateAppropriateMonth();
    const QSignalBlocker quiet(nav);
    nav->setDate(currentCalendar->date());
}

void TfrmMain::navChange() {
    if (inNavigatorChange)
        return;
    FlagGuard navigating(inNavigatorChange);
    FlagGuard months(inMonthChange);
    if (currentCalendar) {
        currentCalendar->setDate(nav->date());
        updateAppropriateMonth();
    }
}

void TfrmMain::updateAppropriateMonth() {
    calendarPaintingEnabled = false;
    const std::array<MonthCalendar *, 4> all = calendars();
    const auto current = std::find(all.begin(), all.end(), currentCalendar);
    if (current != all.end()) {
        const int index = int(current - all.begin());
        const std::array<QDate, 4> dates = deriveMonths(index, currentCalendar->date());
        for (int i = 0; i < 4; ++i)
            if (i != index)
                all[i]->setDate(dates[i]);
    }
    calendarPaintingEnabled = true;
    for (MonthCalendar *calendar : all)
        calendar->repaint();
}

void TfrmMain::ColorAllCalendars(bool all) {
    if (all) {
        for (MonthCalendar *calendar : calendars())
            calendar->update();
    } else if (currentCalendar) {
        currentCalendar->update();
    }
}

void TfrmMain::cal1DrawCell(QPainter *painter, const CalendarCell &cell, bool *useDefaultDrawing) {
    if (!calendarPaintingEnabled)
        return;
    *useDefaultDrawing = paintDayCell(*painter, cell, sender() == currentCalendar, dayCellSource());
}

DayCellSource TfrmMain::dayCellSource() const {
    DayCellSource source = calendarColours();
    source.store = &gridStore;
    source.isHoliday = [this](const QDate &date) { return !holidayName(date).isEmpty(); };
    source.filter = rowFilter;
    return source;
}

// --- Navigation ----------------------------------------------------------------------------------------

HighlightQuery TfrmMain::highlightQuery() const {
    const DayCellSource colours = calendarColours();
    return {colours.options.colorDone, colours.options.colorNotDone, rowFilter};
}

QDate TfrmMain::goForward(const QDate &date) const {
    return nextHighlightedDay(gridStore, date, highlightQuery());
}

QDate TfrmMain::goBack(const QDate &date) const {
    return priorHighlightedDay(gridStore, date, highlightQuery());
}

void TfrmMain::NextTask1Click() {
    if (currentCalendar)
        currentCalendar->setDate(goForward(currentCalendar->date()));
}

void TfrmMain::PriorTask1Click() {
    if (currentCalendar)
        currentCalendar->setDate(goBack(currentCalendar->date()));
}

void TfrmMain::NextMonth1Click() {
    if (currentCalendar)
        currentCalendar->stepMonths(1);
}

void TfrmMain::PriorMonth1Click() {
    if (currentCalendar)
        currentCalendar->stepMonths(-1);
}

void TfrmMain::NextYear1Click() {
    stepYear(1);
}

void TfrmMain::PriorYear1Click() {
    stepYear(-1);
}

void TfrmMain::stepYear(int years) {
    if (!currentCalendar)
        return;
    currentCalendar->stepYears(years);
    FlagGuard months(inMonthChange);
    FlagGuard days(inDateChange);
    updateAppropriateMonth();
}

void TfrmMain::Today1Click() {
    previousCalendar = currentCalendar;
    for (MonthCalendar *calendar : calendars())
        setCalendarLook(calendar, calendar == cal2, true);
    currentCalendar = cal2;
    // When cal2 already shows today it raises no date change; the day is handed over all the same.
    if (cal2->date() == now().date())
        cal1DateChange();
    cal2->setDate(now().date());
    FlagGuard months(inMonthChange);
    FlagGuard days(inDateChange);
    updateAppropriateMonth();
}

void TfrmMain::cal1CellDblClick() {
    if (!gridDay->table().cell(DayTime, 1).isEmpty())
        btEditClick(tbEdit1);
    else
        btAddClick(tbAdd1);
}

void TfrmMain::Help2Click() {
    QUrl page = QUrl::fromLocalFile(sharedFile(QStringLiteral("corvane.html")));
    page.setFragment(QStringLiteral("Corvane"));
    // The help page is shown by the web browser, so without one the user is told, as for the home page.
    if (!prompter().openUrl(page))
        prompter().error(QStringLiteral("Couldn't open web browser for help"));
}

void TfrmMain::HalveringHomePage1Click() {
    if (!prompter().openUrl(QUrl(QStringLiteral("https://www.halvering.example/"))))
        prompter().error(QStringLiteral("Couldn't open web browser for home page"));
}

// --- Keys ------------------------------------------------------------------------------------------------

bool TfrmMain::FormKeyDown(int key) {
    pnlPop->hide();
    if (!currentCalendar)
        return false;
    QWidget *focus = QApplication::focusWidget();
    const bool inMemo = focus == memWhat || (focus && memWhat->isAncestorOf(focus));
    const bool inDayList = focus == gridDay || (focus && gridDay->isAncestorOf(focus));
    const int rows = gridDay->table().rowCount();
    switch (key) {
    case Qt::Key_Left:
        if (inMemo)
            return false;
        currentCalendar->stepDays(-1);
        return true;
    case Qt::Key_Right:
        if (inMemo)
            return false;
        currentCalendar->stepDays(1);
        return true;
    case Qt::Key_Up:
        if (!inDayList || (rows > 2 && gridDay->row() != 1))
            return false;
        currentCalendar->stepDays(-7);
        return true;
    case Qt::Key_Down:
        if (!inDayList || (rows > 2 && gridDay->row() != rows - 1))
            return false;
        currentCalendar->stepDays(7);
        return true;
    default:
        return false;
    }
}

bool TfrmMain::FormKeyUp(int key, Qt::KeyboardModifiers modifiers) {
    QWidget *focus = QApplication::focusWidget();
    const bool inDayList = focus == gridDay || (focus && gridDay->isAncestorOf(focus));
    const bool inNonday = focus == gridNonday || (focus && gridNonday->isAncestorOf(focus));
    bool consumed = false;
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (enter && (modifiers & (Qt::ShiftModifier | Qt::ControlModifier)) && (inDayList || inNonday)) {
        btEditClick(inDayList ? tbEdit1 : tbEdit2);
        consumed = true;
    } else if (key == Qt::Key_Insert && (inDayList || inNonday)) {
        btAddClick(inDayList ? tbAdd1 : tbAdd2);
        consumed = true;
    } else if (key == Qt::Key_Delete && (inDayList || inNonday)) {
        btDelClick(inDayList ? tbDel1 : tbDel2);
        consumed = true;
    }
    setStatusText(QStringLiteral("Today is ") + formatDateTime(QStringLiteral("dddddd"), now()));
    return consumed;
}

// --- Hover summary -----------------------------------------------------------------------------------------

void TfrmMain::cal2MouseMove(const QPoint &pos) {
    auto *calendar = qobject_cast<MonthCalendar *>(sender());
    if (!calendar || !popupOn())
        return;
    const std::array<MonthCalendar *, 4> all = calendars();
    const int index = int(std::find(all.begin(), all.end(), calendar) - all.begin());
    if (hover.mouseMoved(index, calendar->cellAt(pos), pos, pnlPop->isVisible()))
        pnlPop->hide();
}

void TfrmMain::tmPopupTimer() {
    // Never over or behind a dialog: what it covers would stay on screen after it closes.
    if (QApplication::activeModalWidget()) {
        pnlPop->hide();
        hover.cancel();
        return;
    }
    if (alarmShowing || !hover.tick() || !popupOn())
        return;
    timerPool->setEnabled(hoverTrigger, false);
    MonthCalendar *calendar = calendars()[hover.calendar()];
    const QDate date = calendar->dateOfCell(hover.cell());
    pnlPop->setGeometry(summaryPanelRect(cal1->geometry(), cal2->geometry(), hover.onRightColumn()));
    pnlPop->show();
    pnlPop->raise();
    lblPopDate->setText(formatDateTime(QStringLiteral("ddd ddddd"), QDateTime(date, QTime(0, 0))));
    lblPopWhen->setText(relativeDate(QDateTime(date, QTime(0, 0))));
    const QString holiday = holidayName(date);
    const ColorPair colours = holiday.isEmpty() ? ColorPair{palette().color(QPalette::Button),
                                                            palette().color(QPalette::WindowText)}
                                                : calendarColours().palette.holiday;
    QPalette listColours = lbPopup->palette();
    listColours.setColor(QPalette::Base, colours.background);
    listColours.setColor(QPalette::Text, colours.text);
    lbPopup->setPalette(listColours);
    lbPopup->clear();
    for (const QString &line : daySummaryLines(gridStore, dayNumber(date), holiday, rowFilter))
        new QTreeWidgetItem(lbPopup, {tabField(line, 1), tabField(line, 2)});
    timerPool->setEnabled(hoverTrigger, true);
}

} // namespace corvane
