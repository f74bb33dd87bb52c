#include "calendar/calendarmonths.h"
#include "calendar/cellcolors.h"
#include "calendar/daycellpainter.h"
#include "calendar/navigation.h"
#include "store/daynumber.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace corvane;

namespace {

struct Task {
    QDate date;
    QString category;
    QString done;
};

// A store in store order, one row per task.
TaskTable storeOf(const QList<Task> &tasks) {
    TaskTable store(6, int(tasks.size()) + 1);
    store.setRowCells(0, {"Key", "Time", "Category", "What", "Done", "Alarm"});
    int row = 1;
    for (const Task &task : tasks) {
        store.setRowCells(row, {storeKey(dayNumber(task.date), 100 + row), "9:00 AM", task.category, "task",
                                task.done, "No"});
        ++row;
    }
    return store;
}

bool hideWork(const QString &, const QString &category) {
    return category != QLatin1String("Work");
}

} // namespace

class CalendarLogicTest : public QObject {
    Q_OBJECT
private slots:
    void monthsFollowTheCurrentCalendar_data();
    void monthsFollowTheCurrentCalendar();
    void cellShadePrecedence_data();
    void cellShadePrecedence();
    void holidayIsOnlyAskedWhenItCouldShow();
    void highlightedDaysForwardAndBack_data();
    void highlightedDaysForwardAndBack();
    void dayCellsTakeTheirShadeColours_data();
    void dayCellsTakeTheirShadeColours();
};

void CalendarLogicTest::monthsFollowTheCurrentCalendar_data() {
    QTest::addColumn<int>("current");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QList<QDate>>("expected");
    QTest::newRow("cal1 on 31 Jan, leap year")
        << 0 << QDate(2024, 1, 31)
        << QList<QDate>{{2024, 1, 31}, {2024, 2, 29}, {2024, 3, 29}, {2024, 4, 29}};
    QTest::newRow("cal3 on 31 Mar") << 2 << QDate(2023, 3, 31)
                                    << QList<QDate>{
                                           {2023, 1, 28}, {2023, 2, 28}, {2023, 3, 31}, {2023, 4, 30}};
    QTest::newRow("cal2 across the year end")
        << 1 << QDate(2026, 12, 11)
        << QList<QDate>{{2026, 11, 11}, {2026, 12, 11}, {2027, 1, 11}, {2027, 2, 11}};
    QTest::newRow("cal4 in January") << 3 << QDate(2027, 1, 31)
                                     << QList<QDate>{
                                            {2026, 10, 30}, {2026, 11, 30}, {2026, 12, 31}, {2027, 1, 31}};
}

void CalendarLogicTest::monthsFollowTheCurrentCalendar() {
    QFETCH(int, current);
    QFETCH(QDate, date);
    QFETCH(QList<QDate>, expected);
    const std::array<QDate, 4> dates = deriveMonths(current, date);
    QCOMPARE(QList<QDate>(dates.begin(), dates.end()), expected);
}

void CalendarLogicTest::cellShadePrecedence_data() {
    QTest::addColumn<QStringList>("doneTexts"); // tasks of the day, in store order
    QTest::addColumn<bool>("colorDone");
    QTest::addColumn<bool>("colorNotDone");
    QTest::addColumn<bool>("colorHoliday");
    QTest::addColumn<bool>("holiday");
    QTest::addColumn<int>("shade");
    const int plain = int(CellShade::Plain), holiday = int(CellShade::Holiday), done = int(CellShade::Done),
              notDone = int(CellShade::NotDone);
    QTest::newRow("done then pending")
        << QStringList{"Yes", "No"} << true << true << true << false << notDone;
    QTest::newRow("pending then done")
        << QStringList{"No", "Yes"} << true << true << true << false << notDone;
    QTest::newRow("both, only done coloured")
        << QStringList{"No", "Yes"} << true << false << true << false << done;
    QTest::newRow("both, only pending coloured")
        << QStringList{"Yes", "No"} << false << true << true << false << notDone;
    QTest::newRow("all done") << QStringList{"Yes"} << true << true << true << false << done;
    QTest::newRow("nothing coloured") << QStringList{"Yes", "No"} << false << false << false << true << plain;
    QTest::newRow("holiday, no tasks") << QStringList{} << true << true << true << true << holiday;
    QTest::newRow("holiday with a pending task")
        << QStringList{"No"} << true << true << true << true << notDone;
    QTest::newRow("holiday with done task, done not coloured")
        << QStringList{"Yes"} << false << true << true << true << holiday;
    QTest::newRow("holidays not coloured") << QStringList{} << true << true << false << true << plain;
    QTest::newRow("done text neither yes nor no")
        << QStringList{"Maybe"} << true << true << true << false << plain;
}

void CalendarLogicTest::cellShadePrecedence() {
    QFETCH(QStringList, doneTexts);
    QFETCH(bool, colorDone);
    QFETCH(bool, colorNotDone);
    QFETCH(bool, colorHoliday);
    QFETCH(bool, holiday);
    QFETCH(int, shade);
    const QDate day(2026, 3, 10);
    QList<Task> tasks{{day.addDays(-1), "Home", "No"}};
    for (const QString &done : doneTexts)
        tasks << Task{day, "Home", done};
    tasks << Task{day.addDays(1), "Home", "No"};
    const TaskTable store = storeOf(tasks);
    const ShadeOptions options{colorDone, colorNotDone, colorHoliday};
    QCOMPARE(int(cellShade(
                 store, dayNumber(day), options, [&] { return holiday; }, passAll)),
             shade);
}

void CalendarLogicTest::holidayIsOnlyAskedWhenItCouldShow() {
    const QDate day(2026, 3, 10);
    const TaskTable store = storeOf({{day, "Work", "No"}, {day, "Work", "Yes"}});
    int asked = 0;
    const auto isHoliday = [&] {
        ++asked;
        return true;
    };
    QCOMPARE(cellShade(store, dayNumber(day), {}, isHoliday, passAll), CellShade::NotDone);
    QCOMPARE(asked, 0);
    // Tasks the filter hides count for nothing: the day is a plain holiday.
    QCOMPARE(cellShade(store, dayNumber(day), {}, isHoliday, hideWork), CellShade::Holiday);
    QCOMPARE(cellShade(store, dayNumber(day), {true, true, false}, isHoliday, hideWork), CellShade::Plain);
    QCOMPARE(asked, 1);
}

void CalendarLogicTest::highlightedDaysForwardAndBack_data() {
    QTest::addColumn<QDate>("from");
    QTest::addColumn<bool>("colorDone");
    QTest::addColumn<bool>("colorNotDone");
    QTest::addColumn<bool>("filtered");
    QTest::addColumn<QDate>("next");
    QTest::addColumn<QDate>("prior");
    // Store: 8 Mar only Work (pending), 10 Mar pending, 11 Mar "Maybe", 12 Mar done, 2 Apr pending.
    QTest::newRow("10 Mar") << QDate(2026, 3, 10) << true << true << false << QDate(2026, 3, 12)
                            << QDate(2026, 3, 8);
    QTest::newRow("12 Mar") << QDate(2026, 3, 12) << true << true << false << QDate(2026, 4, 2)
                            << QDate(2026, 3, 10);
    QTest::newRow("2 Apr, the last") << QDate(2026, 4, 2) << true << true << false << QDate(2026, 4, 2)
                                     << QDate(2026, 3, 12);
    QTest::newRow("a day without tasks")
        << QDate(2026, 3, 20) << true << true << false << QDate(2026, 4, 2) << QDate(2026, 3, 12);
    QTest::newRow("before everything")
        << QDate(2025, 1, 1) << true << true << false << QDate(2026, 3, 8) << QDate(2025, 1, 1);
    QTest::newRow("only done coloured")
        << QDate(2026, 3, 1) << true << false << false << QDate(2026, 3, 10) << QDate(2026, 3, 1);
    QTest::newRow("only done, backwards")
        << QDate(2026, 4, 30) << true << false << false << QDate(2026, 4, 30) << QDate(2026, 3, 12);
    QTest::newRow("nothing coloured")
        << QDate(2026, 3, 10) << false << false << false << QDate(2026, 3, 10) << QDate(2026, 3, 10);
    QTest::newRow("Work hidden") << QDate(2026, 3, 10) << true << true << true << QDate(2026, 3, 12)
                                 << QDate(2026, 3, 10);
}

void CalendarLogicTest::highlightedDaysForwardAndBack() {
    QFETCH(QDate, from);
    QFETCH(bool, colorDone);
    QFETCH(bool, colorNotDone);
    QFETCH(bool, filtered);
    QFETCH(QDate, next);
    QFETCH(QDate, prior);
    const TaskTable store = storeOf({{{2026, 3, 8}, "Work", "No"},
                                     {{2026, 3, 10}, "Home", "No"},
                                     {{2026, 3, 10}, "Home", "Yes"},
                                     {{2026, 3, 11}, "Home", "Maybe"},
                                     {{2026, 3, 12}, "Home", "Yes"},
                                     {{2026, 4, 2}, "Home", "No"}});
    const HighlightQuery query{colorDone, colorNotDone, filtered ? RowFilter(hideWork) : RowFilter(passAll)};
    QCOMPARE(nextHighlightedDay(store, from, query), next);
    QCOMPARE(priorHighlightedDay(store, from, query), prior);
}

void CalendarLogicTest::dayCellsTakeTheirShadeColours_data() {
    QTest::addColumn<bool>("inMonth");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<bool>("onCurrent");
    QTest::addColumn<int>("day");
    QTest::addColumn<QColor>("colour"); // of the cell after painting; the canvas brush starts grey
    QTest::addColumn<QColor>("edge");
    const QColor red(Qt::red), gray(Qt::gray), highlight(Qt::darkCyan);
    QTest::newRow("a pending day") << true << false << true << 10 << red << red;
    // The selection frames the task colour, or fills a day without one.
    QTest::newRow("selected on the current calendar") << true << true << true << 10 << red << highlight;
    QTest::newRow("plain, selected on the current calendar")
        << true << true << true << 11 << highlight << highlight;
    QTest::newRow("selected on another calendar") << true << true << false << 10 << red << red;
    QTest::newRow("neighbouring month's day") << false << false << true << 10 << gray << gray;
}

void CalendarLogicTest::dayCellsTakeTheirShadeColours() {
    QFETCH(bool, inMonth);
    QFETCH(bool, selected);
    QFETCH(bool, onCurrent);
    QFETCH(int, day);
    QFETCH(QColor, colour);
    QFETCH(QColor, edge);
    const TaskTable store = storeOf({{QDate(2026, 3, 10), "Home", "No"}});
    DayCellSource source;
    source.store = &store;
    source.palette = {
        {Qt::white, Qt::black}, {Qt::yellow, Qt::black}, {Qt::green, Qt::black}, {Qt::red, Qt::blue}};
    source.selection = {Qt::darkCyan, Qt::white};
    CalendarCell cell{QRect(0, 0, 10, 10), QDate(2026, 3, day), day, 12, inMonth, selected, false};

    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setBrush(QColor(Qt::gray));
    QVERIFY(paintDayCell(painter, cell, onCurrent, source));
    painter.fillRect(cell.rect, painter.brush()); // the calendar's default drawing
    painter.end();
    QCOMPARE(image.pixelColor(5, 5), colour);
    QCOMPARE(image.pixelColor(0, 5), edge);
}

QTEST_MAIN(CalendarLogicTest)
#include "tst_calendarlogic.moc"
