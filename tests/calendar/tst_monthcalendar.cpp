#include "calendar/datenavigator.h"
#include "calendar/monthcalendar.h"
#include "store/clock.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>

using namespace corvane;

class MonthCalendarTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void stepsClampTheDay_data();
    void stepsClampTheDay();
    void settingTheDateRaisesDateThenMonthChange();
    void firstWeekdayDecidesTheFirstCell_data();
    void firstWeekdayDecidesTheFirstCell();
    void cellsAreFoundWhereTheyAreDrawn_data();
    void cellsAreFoundWhereTheyAreDrawn();
    void pressRaisesClickThenSelectsTheDay();
    void doubleClickOnADayCell();
    void handlerPaintsCellsOrLeavesThemUndrawn();
    void navigatorStepsAndRaisesChange();
};

void MonthCalendarTest::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    setNow(QDateTime(QDate(2026, 12, 11), QTime(15, 0)));
}

void MonthCalendarTest::stepsClampTheDay_data() {
    QTest::addColumn<QDate>("from");
    QTest::addColumn<int>("months");
    QTest::addColumn<int>("years");
    QTest::addColumn<QDate>("to");
    QTest::newRow("31 Jan + month, leap") << QDate(2024, 1, 31) << 1 << 0 << QDate(2024, 2, 29);
    QTest::newRow("31 Jan + month") << QDate(2023, 1, 31) << 1 << 0 << QDate(2023, 2, 28);
    QTest::newRow("31 Mar - month") << QDate(2023, 3, 31) << -1 << 0 << QDate(2023, 2, 28);
    QTest::newRow("31 Dec + month") << QDate(2026, 12, 31) << 1 << 0 << QDate(2027, 1, 31);
    QTest::newRow("15 Jan - month") << QDate(2027, 1, 15) << -1 << 0 << QDate(2026, 12, 15);
    QTest::newRow("29 Feb + year") << QDate(2000, 2, 29) << 0 << 1 << QDate(2001, 2, 28);
    QTest::newRow("29 Feb - 4 years") << QDate(2000, 2, 29) << 0 << -4 << QDate(1996, 2, 29);
}

void MonthCalendarTest::stepsClampTheDay() {
    QFETCH(QDate, from);
    QFETCH(int, months);
    QFETCH(int, years);
    QFETCH(QDate, to);
    MonthCalendar calendar;
    calendar.setDate(from);
    if (months != 0)
        calendar.stepMonths(months);
    if (years != 0)
        calendar.stepYears(years);
    QCOMPARE(calendar.date(), to);

    DateNavigator navigator;
    navigator.setDate(from);
    if (months != 0)
        navigator.stepMonths(months);
    if (years != 0)
        navigator.stepYears(years);
    QCOMPARE(navigator.date(), to);
}

void MonthCalendarTest::settingTheDateRaisesDateThenMonthChange() {
    MonthCalendar calendar;
    calendar.setDate(QDate(2026, 3, 10));
    QStringList events;
    connect(&calendar, &MonthCalendar::dateChanged, this,
            [&] { events << "date " + calendar.date().toString(Qt::ISODate); });
    connect(&calendar, &MonthCalendar::monthChanged, this, [&] { events << "month"; });

    calendar.setDate(QDate(2026, 3, 12));
    calendar.setDate(QDate(2026, 3, 12));
    calendar.stepDays(-12);
    calendar.stepYears(1);
    calendar.setDate(QDate());
    QCOMPARE(events,
             QStringList({"date 2026-03-12", "date 2026-02-28", "month", "date 2027-02-28", "month"}));
}

void MonthCalendarTest::firstWeekdayDecidesTheFirstCell_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("firstDay");
    QTest::addColumn<QDate>("firstCell");
    QTest::addColumn<QDate>("lastCell");
    // 1 December 2026 is a Tuesday.
    QTest::newRow("Sunday first") << QDate(2026, 12, 11) << int(Qt::Sunday) << QDate(2026, 11, 29)
                                  << QDate(2027, 1, 9);
    QTest::newRow("Monday first") << QDate(2026, 12, 11) << int(Qt::Monday) << QDate(2026, 11, 30)
                                  << QDate(2027, 1, 10);
    // 1 February 2026 is a Sunday: the first row is all February.
    QTest::newRow("month starts the week")
        << QDate(2026, 2, 1) << int(Qt::Sunday) << QDate(2026, 2, 1) << QDate(2026, 3, 14);
}

void MonthCalendarTest::firstWeekdayDecidesTheFirstCell() {
    QFETCH(QDate, date);
    QFETCH(int, firstDay);
    QFETCH(QDate, firstCell);
    QFETCH(QDate, lastCell);
    MonthCalendar calendar;
    calendar.setFirstDayOfWeek(Qt::DayOfWeek(firstDay));
    calendar.setDate(date);
    QCOMPARE(calendar.dateOfCell(1), firstCell);
    QCOMPARE(calendar.dateOfCell(42), lastCell);
    QCOMPARE(calendar.dateOfCell(0), QDate());
    QCOMPARE(calendar.dateOfCell(43), QDate());
}

void MonthCalendarTest::cellsAreFoundWhereTheyAreDrawn_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("decorated");
    QTest::newRow("normal") << QSize(140, 141) << true;
    QTest::newRow("60 high") << QSize(140, 60) << true;
    QTest::newRow("45 high, bare") << QSize(140, 45) << false;
}

void MonthCalendarTest::cellsAreFoundWhereTheyAreDrawn() {
    QFETCH(QSize, size);
    QFETCH(bool, decorated);
    MonthCalendar calendar;
    calendar.resize(size);
    calendar.setShowLabels(decorated);
    calendar.setShowWeekdays(decorated);
    int previousBottom = -1;
    for (int id = 1; id <= 42; ++id) {
        const QRect cell = calendar.cellRect(id);
        QVERIFY2(cell.height() >= 5, qPrintable(QString::number(cell.height())));
        QCOMPARE(calendar.cellAt(cell.center()), id);
        if (id % 7 == 0) {
            QVERIFY(cell.top() > previousBottom);
            previousBottom = cell.bottom();
        }
    }
    QVERIFY(previousBottom < size.height());
    QCOMPARE(calendar.cellAt(QPoint(1, 1)), -1);
}

void MonthCalendarTest::pressRaisesClickThenSelectsTheDay() {
    MonthCalendar calendar;
    calendar.resize(180, 140);
    calendar.setDate(QDate(2026, 12, 11));
    QStringList events;
    connect(&calendar, &MonthCalendar::clicked, this,
            [&] { events << "click " + calendar.date().toString(Qt::ISODate); });
    connect(&calendar, &MonthCalendar::dateChanged, this,
            [&] { events << "date " + calendar.date().toString(Qt::ISODate); });
    connect(&calendar, &MonthCalendar::monthChanged, this, [&] { events << "month"; });

    QTest::mouseClick(&calendar, Qt::LeftButton, {}, calendar.cellRect(3).center());  // Tuesday 1 December
    QTest::mouseClick(&calendar, Qt::LeftButton, {}, calendar.cellRect(42).center()); // 9 January
    QCOMPARE(events, QStringList({"click 2026-12-11", "date 2026-12-01", "click 2026-12-01",
                                  "date 2027-01-09", "month"}));
}

void MonthCalendarTest::doubleClickOnADayCell() {
    MonthCalendar calendar;
    calendar.resize(180, 140);
    QSignalSpy spy(&calendar, &MonthCalendar::cellDoubleClicked);
    QTest::mouseDClick(&calendar, Qt::LeftButton, {}, calendar.cellRect(20).center());
    QTest::mouseDClick(&calendar, Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(spy.count(), 1);
}

void MonthCalendarTest::handlerPaintsCellsOrLeavesThemUndrawn() {
    MonthCalendar calendar;
    calendar.resize(180, 140);
    calendar.setDate(QDate(2026, 12, 11));
    QList<CalendarCell> seen;
    connect(&calendar, &MonthCalendar::drawCell, this,
            [&](QPainter *painter, const CalendarCell &cell, bool *useDefaultDrawing) {
                QVERIFY(!*useDefaultDrawing);
                seen << cell;
                if (cell.day == 15 && cell.inCurrentMonth)
                    painter->setBrush(QColor(Qt::red));
                *useDefaultDrawing = cell.day != 16;
            });
    const QImage image = calendar.grab().toImage();
    QCOMPARE(seen.size(), 42);

    const auto cellOf = [&](int day) {
        for (const CalendarCell &cell : seen)
            if (cell.inCurrentMonth && cell.day == day)
                return cell;
        return CalendarCell{};
    };
    const CalendarCell fifteenth = cellOf(15);
    QCOMPARE(fifteenth.date, QDate(2026, 12, 15));
    QCOMPARE(image.pixelColor(fifteenth.rect.topLeft() + QPoint(2, 2)), QColor(Qt::red));
    QVERIFY(cellOf(11).selected && cellOf(11).today);
    QVERIFY(!cellOf(12).selected && !cellOf(12).today);
    QVERIFY(!seen.first().inCurrentMonth);
    QCOMPARE(seen.first().cellId, 1);

    // The undrawn 16th shows no day number: every pixel keeps the calendar's background.
    const CalendarCell sixteenth = cellOf(16);
    const QColor background = image.pixelColor(sixteenth.rect.topLeft() + QPoint(1, 1));
    for (int y = sixteenth.rect.top(); y <= sixteenth.rect.bottom(); ++y)
        for (int x = sixteenth.rect.left(); x <= sixteenth.rect.right(); ++x)
            QCOMPARE(image.pixelColor(x, y), background);
}

void MonthCalendarTest::navigatorStepsAndRaisesChange() {
    DateNavigator navigator;
    navigator.setDate(QDate(2026, 12, 31));
    QSignalSpy spy(&navigator, &DateNavigator::changed);
    navigator.stepMonths(2);
    QCOMPARE(navigator.date(), QDate(2027, 2, 28));
    QCOMPARE(navigator.text(), QString("February 2027"));
    QCOMPARE(spy.count(), 1);
    {
        const QSignalBlocker quiet(&navigator);
        navigator.setDate(QDate(2020, 5, 5));
    }
    QCOMPARE(spy.count(), 1);
    QCOMPARE(navigator.text(), QString("May 2020"));
}

QTEST_MAIN(MonthCalendarTest)
#include "tst_monthcalendar.moc"
