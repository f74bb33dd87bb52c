#include "holidays/holidaylookup.h"
#include "holidays/holidayrules.h"
#include "store/dateformats.h"
#include "testsupport.h"

#include <QTest>

using namespace corvane;

namespace {
TaskTable rules(const QList<QStringList> &rows) {
    TaskTable table = newHolidayTable();
    table.setRowCount(int(rows.size()) + 1);
    for (int i = 0; i < rows.size(); ++i)
        table.setRowCells(i + 1, rows[i]);
    return table;
}
} // namespace

class HolidayRulesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void dayOfRule_data();
    void dayOfRule();
    void nthWeekday_data();
    void nthWeekday();
    void upperRuleNamesTheDay();
    void monthIsRecognisedByName();
    void cachedLookupAgreesAndFollowsChanges();
    void loadingReplacesTheRules();
};

void HolidayRulesTest::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    setFormats(FormatSettings::fromLocale(QLocale(QLocale::English, QLocale::UnitedStates)));
}

void HolidayRulesTest::dayOfRule_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("dayText");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("third Monday") << 2024 << 1 << "Third : Monday" << QDate(2024, 1, 15);
    QTest::newRow("last Monday") << 2024 << 5 << "Last : Monday" << QDate(2024, 5, 27);
    QTest::newRow("fourth Thursday") << 2024 << 11 << "Fourth : Thursday" << QDate(2024, 11, 28);
    QTest::newRow("first Sunday, on the first") << 2024 << 9 << "First : Sunday" << QDate(2024, 9, 1);
    QTest::newRow("last Thursday of leap February") << 2024 << 2 << "Last : Thursday" << QDate(2024, 2, 29);
    QTest::newRow("case ignored") << 2024 << 11 << "fourth : THURSDAY" << QDate(2024, 11, 28);
    QTest::newRow("unknown weekday") << 2024 << 3 << "Second : Funday" << QDate(2024, 3, 1);
    QTest::newRow("unknown ordinal") << 2024 << 3 << "Fifth : Monday" << QDate(2024, 3, 1);
    QTest::newRow("fixed") << 2024 << 12 << "25" << QDate(2024, 12, 25);
    QTest::newRow("29 February, leap year") << 2024 << 2 << "29" << QDate(2024, 2, 29);
    QTest::newRow("29 February, common year") << 2023 << 2 << "29" << QDate();
    QTest::newRow("31 April") << 2024 << 4 << "31" << QDate();
    QTest::newRow("not a number") << 2024 << 4 << "Easter" << QDate();
    QTest::newRow("empty") << 2024 << 4 << "" << QDate();
}

void HolidayRulesTest::dayOfRule() {
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(QString, dayText);
    QFETCH(QDate, expected);
    QCOMPARE(HolidayDate(year, month, dayText), expected);
}

void HolidayRulesTest::nthWeekday_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("weekday");
    QTest::addColumn<int>("expected");
    // November 2024 begins on a Friday (6).
    QTest::newRow("first Friday") << 2024 << 11 << 1 << 6 << 1;
    QTest::newRow("first Thursday") << 2024 << 11 << 1 << 5 << 7;
    QTest::newRow("fourth Saturday") << 2024 << 11 << 4 << 7 << 23;
    QTest::newRow("last Saturday") << 2024 << 11 << 5 << 7 << 30;
    QTest::newRow("n above 5 is last") << 2024 << 11 << 9 << 7 << 30;
    QTest::newRow("last Friday, century not leap") << 2100 << 2 << 5 << 6 << 26;
    QTest::newRow("no such weekday") << 2024 << 11 << 1 << 0 << 0;
    QTest::newRow("no such month") << 2024 << 13 << 1 << 1 << 0;
}

void HolidayRulesTest::nthWeekday() {
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, n);
    QFETCH(int, weekday);
    QFETCH(int, expected);
    QCOMPARE(NthWeekday(year, month, n, weekday), expected);
}

void HolidayRulesTest::upperRuleNamesTheDay() {
    TaskTable table = rules({{"Christmas", "12", "December", "25"}, {"Yule", "12", "December", "25"}});
    QCOMPARE(holidayName(table, QDate(2024, 12, 25)), QString("Christmas"));
    QCOMPARE(holidayName(table, QDate(2024, 12, 24)), QString());
    table.moveRow(2, 1);
    QCOMPARE(holidayName(table, QDate(2024, 12, 25)), QString("Yule"));
}

void HolidayRulesTest::monthIsRecognisedByName() {
    const TaskTable table = rules({{"Lower", "12", "december", "24"},
                                   {"Foreign", "12", "Dezember", "26"},
                                   {"Wrong number", "05", "November", "Fourth : Thursday"},
                                   {"Leap day", "02", "February", "29"}});
    QCOMPARE(holidayName(table, QDate(2024, 12, 24)), QString("Lower"));
    QCOMPARE(holidayName(table, QDate(2024, 12, 26)), QString());
    QCOMPARE(holidayName(table, QDate(2024, 11, 28)), QString("Wrong number"));
    QCOMPARE(holidayName(table, QDate(2024, 5, 23)), QString());
    QCOMPARE(holidayName(table, QDate(2024, 2, 29)), QString("Leap day"));
    QCOMPARE(holidayName(table, QDate(2023, 2, 28)), QString());
    QCOMPARE(holidayName(table, QDate(2023, 3, 1)), QString());
}

void HolidayRulesTest::cachedLookupAgreesAndFollowsChanges() {
    TaskTable table = rules({{"Christmas", "12", "December", "25"},
                             {"Thanksgiving", "11", "November", "Fourth : Thursday"},
                             {"Boxing", "12", "December", "Last : Thursday"},
                             {"Leap day", "02", "February", "29"},
                             {"Odd", "04", "April", "Second : Funday"},
                             {"Broken", "06", "June", "x"},
                             {"", "07", "July", "4"},
                             {"Independence", "07", "July", "4"}});
    HolidayLookup lookup(table);
    for (QDate day(2023, 1, 1); day.year() < 2026; day = day.addDays(1))
        QCOMPARE(lookup.name(day), holidayName(table, day));
    QCOMPARE(lookup.name(QDate(2024, 11, 28)), QString("Thanksgiving"));

    table.setCell(HolidayDay, 1, "26");
    QCOMPARE(lookup.name(QDate(2024, 12, 25)), QString());
    QCOMPARE(lookup.name(QDate(2024, 12, 26)), QString("Christmas"));
    table.removeRows(1, 1);
    QCOMPARE(lookup.name(QDate(2024, 12, 26)), QString("Boxing"));
}

void HolidayRulesTest::loadingReplacesTheRules() {
    test::Sandbox sandbox;
    const QString file = sandbox.path("holiday.grd");
    TaskTable stored = rules({{"Christmas", "12", "December", "25"}, {"Yule", "12", "December", "26"}});
    QVERIFY(stored.save(file));

    TaskTable table = newHolidayTable();
    QVERIFY(loadHolidays(table, file));
    QCOMPARE(holidayName(table, QDate(2024, 12, 26)), QString("Yule"));

    // The list left with one emptied rule: its old text must not survive the reload.
    QVERIFY(rules({{"", "", "", ""}}).save(file));
    QVERIFY(loadHolidays(table, file));
    QCOMPARE(holidayName(table, QDate(2024, 12, 25)), QString());
    QCOMPARE(table.cell(HolidayName, 0), QString("Holiday name"));

    QVERIFY(loadHolidays(table, sandbox.path("absent.grd")));
    QCOMPARE(table.rowCount(), 1);

    test::writeFile(file, "0,5\r\n");
    QVERIFY(stored.save(sandbox.path("other.grd")));
    QVERIFY(loadHolidays(table, sandbox.path("other.grd")));
    QString error;
    QVERIFY(!loadHolidays(table, file, &error));
    QCOMPARE(error, "File contains no data or corrupt file " + file);
    QCOMPARE(holidayName(table, QDate(2024, 12, 25)), QString());
}

QTEST_MAIN(HolidayRulesTest)
#include "tst_holidayrules.moc"
