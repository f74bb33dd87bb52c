#include "recurrence/recurrence.h"
#include "recurrence/recurtexts.h"
#include "store/clock.h"
#include "testsupport.h"

#include <QTest>

using namespace corvane;

namespace {

const QStringList weekdayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

QDate isoDate(const QString &text) {
    return QDate::fromString(text, Qt::ISODate);
}

// A rule from the compact texts of a table row: weekdays "Mon Thu", ordinals "1 3 L", days "15 31",
// avoided days "Sat Sun".
RecurrenceRule makeRule(RecurrenceKind kind, int interval, const QString &weekdays, const QString &ordinals,
                        const QString &days, const QString &avoid, const QString &start, const QString &end) {
    RecurrenceRule rule;
    rule.kind = kind;
    rule.interval = interval;
    for (const QString &name : weekdays.split(' ', Qt::SkipEmptyParts))
        rule.weekdays[weekdayNames.indexOf(name)] = true;
    for (const QString &ordinal : ordinals.split(' ', Qt::SkipEmptyParts))
        rule.ordinals[ordinal == "L" ? 4 : ordinal.toInt() - 1] = true;
    for (const QString &day : days.split(' ', Qt::SkipEmptyParts))
        rule.days[day.toInt() - 1] = true;
    rule.avoidSaturday = avoid.contains("Sat");
    rule.avoidSunday = avoid.contains("Sun");
    rule.start = isoDate(start);
    rule.end = isoDate(end);
    return rule;
}

QList<QDate> generate(const RecurrenceRule &rule) {
    QList<QDate> dates;
    RecurrenceGenerator generator([&dates](const QDate &date) {
        dates << date;
        return true;
    });
    generator.run(rule);
    return dates;
}

QString isoDates(const QList<QDate> &dates) {
    QStringList texts;
    for (const QDate &date : dates)
        texts << date.toString(Qt::ISODate);
    return texts.join(' ');
}

} // namespace

Q_DECLARE_METATYPE(RecurrenceKind)

class RecurrenceTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::pinFormats("en_US"); }

    void generatesTheRulesDates_data();
    void generatesTheRulesDates();
    void spanLimit_data();
    void spanLimit();
    void fullSpanDailyRun();
    void refusedDateStopsTheRun();
    void calendarArithmetic();
    void nthToDate_data();
    void nthToDate();
    void incrementMonth_data();
    void incrementMonth();
    void dialogDateFormat_data();
    void dialogDateFormat();
    void previewLinesAndCaption();
};

void RecurrenceTest::generatesTheRulesDates_data() {
    QTest::addColumn<RecurrenceKind>("kind");
    QTest::addColumn<int>("interval");
    QTest::addColumn<QString>("weekdays");
    QTest::addColumn<QString>("ordinals");
    QTest::addColumn<QString>("days");
    QTest::addColumn<QString>("avoid");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("expected");

    const auto daily = RecurrenceKind::Daily;
    const auto weekly = RecurrenceKind::Weekly;
    const auto dofm = RecurrenceKind::DaysOfMonth;
    const auto wofm = RecurrenceKind::WeekOfMonth;
    const auto annual = RecurrenceKind::Annual;

    // Avoided days are dropped, not moved, and the cycle keeps counting from the start.
    QTest::newRow("daily, Friday to Monday, avoid Saturday") << daily << 1 << ""
                                                             << ""
                                                             << ""
                                                             << "Sat"
                                                             << "2000-03-17"
                                                             << "2000-03-20"
                                                             << "2000-03-17 2000-03-19 2000-03-20";
    QTest::newRow("daily every 3 days, avoid Sunday")
        << daily << 3 << ""
        << ""
        << ""
        << "Sun"
        << "2000-03-16"
        << "2000-03-31"
        << "2000-03-16 2000-03-22 2000-03-25 2000-03-28 2000-03-31";
    QTest::newRow("daily every 364 days") << daily << 364 << ""
                                          << ""
                                          << ""
                                          << ""
                                          << "2000-01-01"
                                          << "2001-12-31"
                                          << "2000-01-01 2000-12-30 2001-12-29";
    QTest::newRow("daily, start and end the same day") << daily << 1 << ""
                                                       << ""
                                                       << ""
                                                       << ""
                                                       << "2000-03-15"
                                                       << "2000-03-15"
                                                       << "2000-03-15";
    QTest::newRow("daily, end before start") << daily << 1 << ""
                                             << ""
                                             << ""
                                             << ""
                                             << "2000-03-15"
                                             << "2000-03-14"
                                             << "";

    // Weeks run Sunday to Saturday; days of the first week before the start are dropped.
    QTest::newRow("every 2 weeks on Monday and Thursday from a Wednesday")
        << weekly << 2 << "Mon Thu"
        << ""
        << ""
        << ""
        << "2000-03-15"
        << "2000-04-02"
        << "2000-03-16 2000-03-27 2000-03-30";
    QTest::newRow("weekly, no weekday ticked") << weekly << 1 << ""
                                               << ""
                                               << ""
                                               << ""
                                               << "2000-03-01"
                                               << "2000-06-01"
                                               << "";
    QTest::newRow("every 52 weeks") << weekly << 52 << "Wed"
                                    << ""
                                    << ""
                                    << ""
                                    << "2000-01-05"
                                    << "2002-01-02"
                                    << "2000-01-05 2001-01-03 2002-01-02";
    QTest::newRow("weekly, same day, not ticked") << weekly << 1 << "Thu"
                                                  << ""
                                                  << ""
                                                  << ""
                                                  << "2000-03-15"
                                                  << "2000-03-15"
                                                  << "";
    QTest::newRow("weekly, same day, ticked") << weekly << 1 << "Wed"
                                              << ""
                                              << ""
                                              << ""
                                              << "2000-03-15"
                                              << "2000-03-15"
                                              << "2000-03-15";

    // A day the month lacks is skipped for that month.
    QTest::newRow("day 31 over a year")
        << dofm << 1 << ""
        << ""
        << "31"
        << ""
        << "2000-01-01"
        << "2000-12-31"
        << "2000-01-31 2000-03-31 2000-05-31 2000-07-31 2000-08-31 2000-10-31 2000-12-31";
    QTest::newRow("day 30 skips February") << dofm << 1 << ""
                                           << ""
                                           << "30"
                                           << ""
                                           << "2001-01-01"
                                           << "2001-04-30"
                                           << "2001-01-30 2001-03-30 2001-04-30";
    QTest::newRow("day 29 in February of a leap year only") << dofm << 12 << ""
                                                            << ""
                                                            << "29"
                                                            << ""
                                                            << "2000-02-01"
                                                            << "2004-02-29"
                                                            << "2000-02-29 2004-02-29";
    QTest::newRow("every 2 months from 20 March, day 15") << dofm << 2 << ""
                                                          << ""
                                                          << "15"
                                                          << ""
                                                          << "2000-03-20"
                                                          << "2000-12-31"
                                                          << "2000-05-15 2000-07-15 2000-09-15 2000-11-15";
    QTest::newRow("day 1, weekends avoided")
        << dofm << 1 << ""
        << ""
        << "1"
        << "Sat Sun"
        << "2000-01-01"
        << "2000-12-31"
        << "2000-02-01 2000-03-01 2000-05-01 2000-06-01 2000-08-01 2000-09-01 2000-11-01 2000-12-01";
    QTest::newRow("two days a month, in day order") << dofm << 1 << ""
                                                    << ""
                                                    << "20 5"
                                                    << ""
                                                    << "2000-03-10"
                                                    << "2000-04-30"
                                                    << "2000-03-20 2000-04-05 2000-04-20";

    // Within a month: the 1st ordinals Sunday to Saturday, then the 2nd, ..., then the last ones.
    QTest::newRow("last Friday") << wofm << 1 << "Fri"
                                 << "L"
                                 << ""
                                 << ""
                                 << "2000-01-01"
                                 << "2000-04-30"
                                 << "2000-01-28 2000-02-25 2000-03-31 2000-04-28";
    QTest::newRow("1st and 3rd Monday") << wofm << 1 << "Mon"
                                        << "1 3"
                                        << ""
                                        << ""
                                        << "2000-03-01"
                                        << "2000-04-30"
                                        << "2000-03-06 2000-03-20 2000-04-03 2000-04-17";
    QTest::newRow("1st and 2nd Monday and Friday, in generation order")
        << wofm << 1 << "Mon Fri"
        << "1 2"
        << ""
        << ""
        << "2000-03-01"
        << "2000-03-31"
        << "2000-03-06 2000-03-03 2000-03-13 2000-03-10";
    QTest::newRow("every 12 months from a November start")
        << wofm << 12 << "Mon"
        << "1 L"
        << ""
        << ""
        << "2000-11-10"
        << "2003-11-24"
        << "2000-11-27 2001-11-05 2001-11-26 2002-11-04 2002-11-25 2003-11-03 2003-11-24";
    QTest::newRow("week of month, no ordinal ticked") << wofm << 1 << "Mon"
                                                      << ""
                                                      << ""
                                                      << ""
                                                      << "2000-01-01"
                                                      << "2000-12-31"
                                                      << "";

    // 29 February falls back to the 28th and comes back in the next leap year.
    QTest::newRow("annual from 29 February 2004")
        << annual << 1 << ""
        << ""
        << ""
        << ""
        << "2004-02-29"
        << "2009-03-31"
        << "2004-02-29 2005-02-28 2006-02-28 2007-02-28 2008-02-29 2009-02-28";
    QTest::newRow("annual, end on the last date") << annual << 1 << ""
                                                  << ""
                                                  << ""
                                                  << ""
                                                  << "2000-03-15"
                                                  << "2002-03-15"
                                                  << "2000-03-15 2001-03-15 2002-03-15";
}

void RecurrenceTest::generatesTheRulesDates() {
    QFETCH(RecurrenceKind, kind);
    QFETCH(int, interval);
    QFETCH(QString, weekdays);
    QFETCH(QString, ordinals);
    QFETCH(QString, days);
    QFETCH(QString, avoid);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, expected);
    const RecurrenceRule rule = makeRule(kind, interval, weekdays, ordinals, days, avoid, start, end);
    QCOMPARE(isoDates(generate(rule)), expected);
}

void RecurrenceTest::spanLimit_data() {
    QTest::addColumn<QString>("end");
    QTest::addColumn<bool>("tooLong");
    QTest::newRow("7400 days") << "2020-04-05" << false;
    QTest::newRow("7401 days") << "2020-04-06" << true;
    QTest::newRow("end before start") << "1999-01-01" << false;
}

void RecurrenceTest::spanLimit() {
    QFETCH(QString, end);
    QFETCH(bool, tooLong);
    QCOMPARE(spanTooLong(QDate(2000, 1, 1), isoDate(end)), tooLong);
}

void RecurrenceTest::fullSpanDailyRun() {
    const QList<QDate> dates =
        generate(makeRule(RecurrenceKind::Daily, 1, "", "", "", "", "2000-01-01", "2020-04-05"));
    QCOMPARE(dates.size(), maxRecurrenceSpan + 1);
    QCOMPARE(dates.last(), QDate(2020, 4, 5));
}

void RecurrenceTest::refusedDateStopsTheRun() {
    QList<QDate> offered;
    RecurrenceGenerator generator([&offered](const QDate &date) {
        offered << date;
        return offered.size() <= 3;
    });
    const RecurrenceRule rule =
        makeRule(RecurrenceKind::Daily, 1, "", "", "", "", "2000-03-01", "2000-03-31");
    generator.run(rule);
    // The refused fourth date is the last one offered; the run goes on to its end without accepting.
    QCOMPARE(offered.size(), 4);
    QVERIFY(!generator.listAccepting);
    generator.insertDate(QDate(2000, 3, 20));
    QCOMPARE(offered.size(), 4);
    // The next run accepts again.
    offered.clear();
    generator.run(makeRule(RecurrenceKind::Annual, 1, "", "", "", "", "2000-03-01", "2000-03-31"));
    QCOMPARE(offered, QList<QDate>{QDate(2000, 3, 1)});
    QVERIFY(generator.listAccepting);
}

void RecurrenceTest::calendarArithmetic() {
    QVERIFY(IsLeapYear(2000));
    QVERIFY(IsLeapYear(2004));
    QVERIFY(!IsLeapYear(1900));
    QVERIFY(!IsLeapYear(2100));
    QVERIFY(!IsLeapYear(2001));
    QCOMPARE(LastDayOfMonth(2000, 2), 29);
    QCOMPARE(LastDayOfMonth(2100, 2), 28);
    QCOMPARE(LastDayOfMonth(2001, 4), 30);
    QCOMPARE(LastDayOfMonth(2001, 12), 31);
    QVERIFY(isValidDate(2000, 2, 29));
    QVERIFY(!isValidDate(2001, 2, 29));
    QVERIFY(!isValidDate(2000, 2, 30));
    QVERIFY(!isValidDate(2000, 4, 31));
    QVERIFY(isValidDate(2000, 5, 31));
}

void RecurrenceTest::nthToDate_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("weekday");
    QTest::addColumn<QDate>("monthDate");
    QTest::addColumn<QDate>("expected");
    // March 2000 begins on a Wednesday and has five Wednesdays, Thursdays and Fridays.
    QTest::newRow("1st Wednesday is the 1st") << 1 << 4 << QDate(2000, 3, 1) << QDate(2000, 3, 1);
    QTest::newRow("1st Tuesday") << 1 << 3 << QDate(2000, 3, 1) << QDate(2000, 3, 7);
    QTest::newRow("4th Friday") << 4 << 6 << QDate(2000, 3, 1) << QDate(2000, 3, 24);
    QTest::newRow("last Friday is the 5th") << 5 << 6 << QDate(2000, 3, 1) << QDate(2000, 3, 31);
    QTest::newRow("4th Sunday is the last") << 4 << 1 << QDate(2000, 3, 1) << QDate(2000, 3, 26);
    QTest::newRow("last Sunday") << 5 << 1 << QDate(2000, 3, 1) << QDate(2000, 3, 26);
    QTest::newRow("last Tuesday of a leap February") << 5 << 3 << QDate(2000, 2, 1) << QDate(2000, 2, 29);
    QTest::newRow("any day of the month") << 2 << 2 << QDate(2000, 3, 25) << QDate(2000, 3, 13);
}

void RecurrenceTest::nthToDate() {
    QFETCH(int, n);
    QFETCH(int, weekday);
    QFETCH(QDate, monthDate);
    QFETCH(QDate, expected);
    QCOMPARE(corvane::nthToDate(n, weekday, monthDate), expected);
}

void RecurrenceTest::incrementMonth_data() {
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("expectedMonth");
    QTest::addColumn<int>("expectedYear");
    QTest::newRow("within the year") << 3 << 2000 << 2 << 5 << 2000;
    QTest::newRow("into the next year") << 11 << 2000 << 2 << 1 << 2001;
    QTest::newRow("December by 12") << 12 << 2000 << 12 << 12 << 2001;
    QTest::newRow("December by 1") << 12 << 2000 << 1 << 1 << 2001;
}

void RecurrenceTest::incrementMonth() {
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(int, n);
    corvane::incrementMonth(month, year, n);
    QTEST(month, "expectedMonth");
    QTEST(year, "expectedYear");
}

void RecurrenceTest::dialogDateFormat_data() {
    QTest::addColumn<QString>("shortDate");
    QTest::addColumn<QString>("dialogFormat");
    QTest::newRow("two-digit year widened") << "M/d/yy"
                                            << "M/d/yyyy";
    QTest::newRow("four-digit year kept") << "dd.MM.yyyy"
                                          << "dd.MM.yyyy";
    QTest::newRow("year first") << "yy-MM-dd"
                                << "yyyy-MM-dd";
    QTest::newRow("no year") << "d MMM"
                             << "d MMM";
    QTest::newRow("cut to 25 characters") << "yy MMMM dddd d \"of the year\""
                                          << "yyyy MMMM dddd d \"of the ";
}

void RecurrenceTest::dialogDateFormat() {
    QFETCH(QString, shortDate);
    QTEST(corvane::dialogDateFormat(shortDate), "dialogFormat");
}

void RecurrenceTest::previewLinesAndCaption() {
    setNow(QDateTime(QDate(2000, 3, 15), QTime(10, 30)));
    QCOMPARE(previewLine(QDate(2000, 3, 15), "M/d/yyyy"), QString("3/15/2000\tWed\tToday"));
    QCOMPARE(previewLine(QDate(2000, 3, 16), "M/d/yyyy"), QString("3/16/2000\tThu\tTomorrow"));
    QCOMPARE(previewLine(QDate(2000, 4, 20), "dd.MM.yyyy"), QString("20.04.2000\tThu\t36 days"));
    setNow(QDateTime());
    QCOMPARE(recurCaption("Buy milk"), QString("Repeating event for Buy milk..."));
    QCOMPARE(recurCaption("Renew the car insurance before the end of May"),
             QString("Repeating event for Renew the car insurance before the ..."));
}

QTEST_GUILESS_MAIN(RecurrenceTest)
#include "tst_recurrence.moc"
