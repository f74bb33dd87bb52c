#include "store/clock.h"
#include "store/dateformats.h"
#include "store/daynumber.h"
#include "store/routines.h"
#include "testsupport.h"

#include <QTest>

using namespace corvane;

namespace {

// A store of (day, sequence, done, category) rows, sorted as gridStore keeps it.
TaskTable makeStore(const QList<std::tuple<int, int, QString, QString>> &rows) {
    TaskTable store(6, 1);
    for (const auto &[day, sequence, done, category] : rows) {
        const int row = store.rowCount();
        store.insertRows(row, 1);
        store.setRowCells(row, {storeKey(day, sequence), "9:00 AM", category, "task", done, "No"});
    }
    return store;
}

bool notHidden(const QString &, const QString &category) {
    return category != "hidden";
}

} // namespace

class RoutinesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void relativeDate_data();
    void relativeDate();
    void daysInMonth_data();
    void daysInMonth();
    void monthNumber();

    void integerReadingFallsBackToZero_data();
    void integerReadingFallsBackToZero();
    void decimalReadingAcceptsPeriodUnderCommaLocale();
    void decimalReadingFallsBackToZero_data();
    void decimalReadingFallsBackToZero();
    void timeReading_data();
    void timeReading();
    void badTimeGivesTheCurrentMoment_data();
    void badTimeGivesTheCurrentMoment();
    void blankAndEmptyFileTests();

    void lookupSkipsRowsTheFilterHides();
    void lookupFindsEveryDayOfABigStore();
    void lookupOnEmptyOrMissingDay();
    void dayStatusTakesTheFirstShownRowThatAnswers();
    void freeRowReusesOrAppends();

    void memoLinesJoinAndSplit();
    void memoTextFlattens();
    void wholeWordMatch_data();
    void wholeWordMatch();
    void textMatchWithoutWholeWords();
    void tabField_data();
    void tabField();
};

void RoutinesTest::initTestCase() {
    test::pinFormats("en_US");
}

void RoutinesTest::cleanup() {
    setNow(QDateTime());
    test::pinFormats("en_US");
}

void RoutinesTest::relativeDate_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");
    QTest::newRow("today") << QDate(2000, 3, 15) << "Today";
    QTest::newRow("tomorrow") << QDate(2000, 3, 16) << "Tomorrow";
    QTest::newRow("yesterday") << QDate(2000, 3, 14) << "Yesterday";
    QTest::newRow("2 days") << QDate(2000, 3, 17) << "2 days";
    QTest::newRow("5 days ago") << QDate(2000, 3, 10) << "5 days ago";
    QTest::newRow("36 days") << QDate(2000, 4, 20) << "36 days";
    QTest::newRow("6 wks") << QDate(2000, 4, 23) << "6 wks";
    QTest::newRow("3 mons") << QDate(2000, 6, 20) << "3 mons";
    QTest::newRow("33 mons") << QDate(2002, 12, 1) << "33 mons";
    QTest::newRow("3 yrs") << QDate(2003, 3, 1) << "3 yrs";
    QTest::newRow("4 yrs 2 mons") << QDate(2004, 5, 1) << "4 yrs 2 mons";
    QTest::newRow("2 yrs 10 mons") << QDate(2003, 1, 1) << "2 yrs 10 mons";
    QTest::newRow("45 days ago") << QDate(2000, 1, 30) << "45 days ago";
    QTest::newRow("7 wks ago") << QDate(2000, 1, 29) << "7 wks ago";
    QTest::newRow("3 mons ago") << QDate(1999, 12, 1) << "3 mons ago";
    QTest::newRow("26 mons ago") << QDate(1998, 1, 1) << "26 mons ago";
    QTest::newRow("3 yrs ago") << QDate(1997, 3, 1) << "3 yrs ago";
    QTest::newRow("4 yrs 2 mons ago") << QDate(1996, 1, 1) << "4 yrs 2 mons ago";
}

void RoutinesTest::relativeDate() {
    QFETCH(QDate, date);
    QFETCH(QString, text);
    // The time of day of either moment plays no part.
    for (const QTime nowTime : {QTime(0, 0), QTime(23, 59, 59)}) {
        setNow(QDateTime(QDate(2000, 3, 15), nowTime));
        QCOMPARE(corvane::relativeDate(QDateTime(date, QTime(12, 0))), text);
        QCOMPARE(corvane::relativeDate(QDateTime(date, QTime(23, 30))), text);
    }
}

void RoutinesTest::daysInMonth_data() {
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("days");
    QTest::newRow("January") << 1 << 2001 << 31;
    QTest::newRow("April") << 4 << 2001 << 30;
    QTest::newRow("February 2000") << 2 << 2000 << 29;
    QTest::newRow("February 2004") << 2 << 2004 << 29;
    QTest::newRow("February 1900") << 2 << 1900 << 28;
    QTest::newRow("February 2100") << 2 << 2100 << 28;
    QTest::newRow("February 2001") << 2 << 2001 << 28;
    QTest::newRow("December") << 12 << 2001 << 31;
    QTest::newRow("month 0") << 0 << 2001 << 0;
    QTest::newRow("month 13") << 13 << 2001 << 0;
}

void RoutinesTest::daysInMonth() {
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(int, days);
    QCOMPARE(corvane::daysInMonth(month, year), days);
}

void RoutinesTest::monthNumber() {
    QCOMPARE(corvane::monthNumber("January"), 1);
    QCOMPARE(corvane::monthNumber("dECEMBER"), 12);
    QCOMPARE(corvane::monthNumber("Dec"), 0);
    QCOMPARE(corvane::monthNumber(""), 0);
    test::pinFormats("de_DE");
    QCOMPARE(corvane::monthNumber("MäRZ"), 3); // only ASCII letters fold
    QCOMPARE(corvane::monthNumber("MÄRZ"), 0);
}

void RoutinesTest::integerReadingFallsBackToZero_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << "42" << 42;
    QTest::newRow("negative") << "-7" << -7;
    QTest::newRow("spaces") << " 12 " << 12;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("letters") << "12a" << 0;
    QTest::newRow("too big") << "99999999999999999999" << 0;
    QTest::newRow("0x alone") << "0x" << 0;
    QTest::newRow("binary") << QString::fromLatin1("\x01\x02\xff") << 0;
}

void RoutinesTest::integerReadingFallsBackToZero() {
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(readInteger(text), value);
}

void RoutinesTest::decimalReadingAcceptsPeriodUnderCommaLocale() {
    test::pinFormats("de_DE");
    QCOMPARE(int(readDecimal("36526.101")), 36526);
    QCOMPARE(readDecimal("36526.101"), 36526.101);
    QCOMPARE(readDecimal("2,5"), 2.5);
    QCOMPARE(readDecimal("1.234,5"), 0.0);
    test::pinFormats("en_US");
    QCOMPARE(readDecimal("2.5"), 2.5);
    QCOMPARE(readDecimal("2,5"), 0.0);
}

void RoutinesTest::decimalReadingFallsBackToZero_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("letters") << "abc";
    QTest::newRow("two points") << "1.2.3";
    QTest::newRow("overflow") << "1e999";
    QTest::newRow("infinity") << "inf";
    QTest::newRow("not a number") << "nan";
    QTest::newRow("huge") << QString(100000, '9') + "x";
}

void RoutinesTest::decimalReadingFallsBackToZero() {
    QFETCH(QString, text);
    QCOMPARE(readDecimal(text), 0.0);
}

void RoutinesTest::timeReading_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QTime>("time");
    QTest::newRow("en_US PM") << "en_US"
                              << "5:30 PM" << QTime(17, 30);
    QTest::newRow("en_US am lower") << "en_US"
                                    << "9:05 am" << QTime(9, 5);
    QTest::newRow("en_US 12 AM") << "en_US"
                                 << "12:10 AM" << QTime(0, 10);
    QTest::newRow("en_US 12 PM") << "en_US"
                                 << "12:10 PM" << QTime(12, 10);
    QTest::newRow("en_US seconds") << "en_US"
                                   << "5:30:15 PM" << QTime(17, 30, 15);
    QTest::newRow("en_US 24-hour") << "en_US"
                                   << "17:30" << QTime(17, 30);
    QTest::newRow("en_US bare hour PM") << "en_US"
                                        << "5 PM" << QTime(17, 0);
    QTest::newRow("de_DE") << "de_DE"
                           << "17:30" << QTime(17, 30);
    QTest::newRow("en_GB pm") << "en_GB"
                              << "5:30 pm" << QTime(17, 30);
    QTest::newRow("fi_FI period") << "fi_FI"
                                  << "17.30" << QTime(17, 30);
}

void RoutinesTest::timeReading() {
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(QTime, time);
    test::pinFormats(locale);
    QCOMPARE(readTime(text), time.msecsSinceStartOfDay() / 86'400'000.0);
}

void RoutinesTest::badTimeGivesTheCurrentMoment_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("words") << "noon";
    QTest::newRow("hour 24") << "24:00";
    QTest::newRow("minute 60") << "5:60";
    QTest::newRow("13 PM") << "13:00 PM";
    QTest::newRow("0 AM") << "0:30 AM";
    QTest::newRow("bare hour") << "17";
    QTest::newRow("trailing junk") << "5:30x";
    QTest::newRow("AM alone") << "AM";
    QTest::newRow("long digits") << "0000000005:30";
    QTest::newRow("binary") << QString::fromLatin1("\x01:\x02");
}

void RoutinesTest::badTimeGivesTheCurrentMoment() {
    QFETCH(QString, text);
    const QDateTime moment(QDate(2000, 3, 15), QTime(10, 0));
    setNow(moment);
    QCOMPARE(readTime(text), dateTimeValue(moment));
}

void RoutinesTest::blankAndEmptyFileTests() {
    QVERIFY(isBlank(""));
    QVERIFY(isBlank(" \r\n\x08 "));
    QVERIFY(!isBlank(" \t "));
    QVERIFY(!isBlank("a"));
    QCOMPARE(yesNo(true), QString("Yes"));
    QCOMPARE(yesNo(false), QString("No"));
    QVERIFY(isDigit('7') && !isDigit('a') && !isDigit(QChar(0x0663)));

    test::Sandbox sandbox;
    QVERIFY(isEmptyFile(sandbox.path("missing.grd")));
    test::writeFile(sandbox.path("empty.grd"), "");
    QVERIFY(isEmptyFile(sandbox.path("empty.grd")));
    test::writeFile(sandbox.path("full.grd"), "1,1\r\n");
    QVERIFY(!isEmptyFile(sandbox.path("full.grd")));
}

void RoutinesTest::lookupSkipsRowsTheFilterHides() {
    const TaskTable store = makeStore({{36525, 101, "No", ""},
                                       {36526, 101, "No", "hidden"},
                                       {36526, 102, "Yes", "B"},
                                       {36526, 103, "No", "C"},
                                       {36527, 101, "No", ""}});
    QCOMPARE(firstRowOfDay(store, 36526, notHidden), 3);
    QCOMPARE(dayRowCount(store, 3, notHidden), 2);
    QCOMPARE(firstRowOfDay(store, 36526, passAll), 2);
    QCOMPARE(dayRowCount(store, 2, passAll), 3);
    // A day whose only rows are hidden has no first row.
    QCOMPARE(firstRowOfDay(store, 36526, [](const QString &, const QString &) { return false; }), -1);
}

void RoutinesTest::lookupFindsEveryDayOfABigStore() {
    // Days with 0 to 3 rows each, across the five-to-six digit boundary the text order once broke.
    QList<std::tuple<int, int, QString, QString>> rows;
    QHash<int, int> first;
    int row = 1;
    for (int day = 99990; day < 100010; ++day) {
        for (int n = 0; n < day % 4; ++n, ++row) {
            if (n == 0)
                first[day] = row;
            rows.append({day, 101 + n, "No", ""});
        }
    }
    TaskTable store = makeStore(rows);
    store.setColumnCompare(StoreKey, compareStoreKeys);
    store.sort();
    for (int day = 99990; day < 100010; ++day) {
        QCOMPARE(firstRowOfDay(store, day, passAll), first.value(day, -1));
        if (first.contains(day))
            QCOMPARE(dayRowCount(store, first[day], passAll), day % 4);
    }
}

void RoutinesTest::lookupOnEmptyOrMissingDay() {
    const TaskTable empty(6, 1);
    QCOMPARE(firstRowOfDay(empty, 36526, passAll), -1);
    QCOMPARE(dayRowCount(empty, -1, passAll), 0);
    int found = 7;
    QCOMPARE(dayStatus(empty, 36526, true, true, passAll, &found), DayStatus::None);
    QCOMPARE(found, -1);

    // Keys that are not numbers are day 0: never found for a real day, never a crash.
    TaskTable junk = makeStore({{36526, 101, "No", ""}});
    junk.insertRows(1, 1);
    junk.setRowCells(1, {"garbage", "", "", "x", "No", "No"});
    QCOMPARE(firstRowOfDay(junk, 0, passAll), 1);
    QCOMPARE(firstRowOfDay(junk, 36526, passAll), 2);
    QCOMPARE(firstRowOfDay(junk, 36527, passAll), -1);
}

void RoutinesTest::dayStatusTakesTheFirstShownRowThatAnswers() {
    const TaskTable store = makeStore({{36526, 101, "Yes", "hidden"},
                                       {36526, 102, "No", "B"},
                                       {36526, 103, "Yes", "C"},
                                       {36527, 101, "Yes", ""}});
    int found = 0;
    QCOMPARE(dayStatus(store, 36526, true, true, notHidden, &found), DayStatus::NotDone);
    QCOMPARE(found, 2);
    QCOMPARE(dayStatus(store, 36526, true, false, notHidden), DayStatus::Done);
    QCOMPARE(dayStatus(store, 36526, false, true, notHidden), DayStatus::NotDone);
    QCOMPARE(dayStatus(store, 36526, false, false, notHidden, &found), DayStatus::None);
    QCOMPARE(found, -1);
    // Row 4 belongs to the next day: day 36527 is done, and its status never leaks into 36526.
    QCOMPARE(dayStatus(store, 36527, false, true, notHidden), DayStatus::None);
    QCOMPARE(dayStatus(store, 36527, true, false, notHidden, &found), DayStatus::Done);
    QCOMPARE(found, 4);
    QCOMPARE(dayStatus(store, 36528, true, true, notHidden, &found), DayStatus::None);
    QCOMPARE(found, -1);
}

void RoutinesTest::freeRowReusesOrAppends() {
    TaskTable list(3, 2);
    QCOMPARE(freeRow(list), 1);
    QCOMPARE(list.rowCount(), 2);
    list.setCell(0, 1, "Work");
    QCOMPARE(freeRow(list), 2);
    QCOMPARE(list.rowCount(), 3);
    // A caller may say what makes a row empty (the day list looks at its What column).
    list.setCell(0, 2, "Home");
    list.setCell(1, 2, "");
    QCOMPARE(freeRow(list, [](const TaskTable &t, int row) { return t.cell(1, row).isEmpty(); }), 1);
}

void RoutinesTest::memoLinesJoinAndSplit() {
    QCOMPARE(joinMemoLines({}), QString());
    QCOMPARE(joinMemoLines({"abc"}), QString("abc"));
    QCOMPARE(joinMemoLines({"a", "b"}), QString("a\r\nb\r\n"));
    QCOMPARE(joinMemoLines({"a", ""}), QString("a")); // an empty last line does not count
    QCOMPARE(joinMemoLines({"a", "", "b"}), QString("a\r\n\r\nb\r\n"));

    QCOMPARE(splitMemoText(""), QStringList());
    QCOMPARE(splitMemoText("abc"), QStringList{"abc"});
    QCOMPARE(splitMemoText("a\r\nb\r\n"), (QStringList{"a", "b"}));
    QCOMPARE(splitMemoText("a\r\n\r\nb\r\n"), (QStringList{"a", "", "b"}));
    QCOMPARE(splitMemoText("a\r\nb"), (QStringList{"a", "b"})); // an unclosed last line is kept
    for (const QStringList &lines : {QStringList{"x"}, QStringList{"x", "y", "z"}})
        QCOMPARE(splitMemoText(joinMemoLines(lines)), lines);
}

void RoutinesTest::memoTextFlattens() {
    QCOMPARE(flattenMemoText(""), QString());
    QCOMPARE(flattenMemoText("abc"), QString("abc"));
    QCOMPARE(flattenMemoText("a long \r\nparagraph\r\n"), QString("a long paragraph"));
    QCOMPARE(flattenMemoText("a\rb\nc"), QString("a\rb\nc")); // only CR LF pairs go
}

void RoutinesTest::wholeWordMatch_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("caseSensitive");
    QTest::addColumn<bool>("match");
    QTest::newRow("word with comma") << "the plan, revised"
                                     << "plan" << true << true;
    QTest::newRow("part of a word") << "planning"
                                    << "plan" << true << false;
    QTest::newRow("folded") << "a Plan"
                            << "PLAN" << false << true;
    QTest::newRow("case differs") << "a Plan"
                                  << "PLAN" << true << false;
    QTest::newRow("after line break") << "first\r\nplan"
                                      << "plan" << true << true;
    QTest::newRow("in brackets") << "(plan)"
                                 << "plan" << true << true;
    QTest::newRow("word with delimiter") << "re-plan"
                                         << "re-plan" << true << false;
    QTest::newRow("blank word") << "a plan"
                                << "  " << true << false;
    QTest::newRow("blank text") << "\r\n"
                                << "plan" << true << false;
    QTest::newRow("accents not folded") << "ÉTÉ"
                                        << "été" << false << false;
}

void RoutinesTest::wholeWordMatch() {
    QFETCH(QString, text);
    QFETCH(QString, word);
    QFETCH(bool, caseSensitive);
    QFETCH(bool, match);
    QCOMPARE(corvane::wholeWordMatch(text, word, caseSensitive), match);
    QCOMPARE(textMatch(text, true, caseSensitive, word), match);
}

void RoutinesTest::textMatchWithoutWholeWords() {
    QVERIFY(textMatch("planning", false, true, "plan"));
    QVERIFY(textMatch("PLANNING", false, false, "plan"));
    QVERIFY(!textMatch("PLANNING", false, true, "plan"));
    QVERIFY(!textMatch("anything", false, false, ""));
    for (const QChar c : QString("\t'\r\n ,.`@/?;:\"<>[]{}-=\\+|()%&^$#!~*"))
        QVERIFY(isWordDelimiter(c));
    QVERIFY(!isWordDelimiter('_') && !isWordDelimiter('a'));
}

void RoutinesTest::tabField_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("field");
    QTest::newRow("first") << "a\tb\tc" << 1 << "a";
    QTest::newRow("second") << "a\tb\tc" << 2 << "b";
    QTest::newRow("last") << "a\tb\tc" << 3 << "c";
    QTest::newRow("beyond") << "a\tb\tc" << 4 << "";
    QTest::newRow("empty field") << "a\t\tc" << 2 << "";
    QTest::newRow("empty text") << "" << 1 << "";
    QTest::newRow("n zero") << "a\tb" << 0 << "";
}

void RoutinesTest::tabField() {
    QFETCH(QString, text);
    QFETCH(int, n);
    QFETCH(QString, field);
    QCOMPARE(corvane::tabField(text, n), field);
}

QTEST_MAIN(RoutinesTest)
#include "tst_routines.moc"
