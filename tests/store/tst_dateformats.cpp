#include "store/clock.h"
#include "store/dateformats.h"
#include "testsupport.h"

#include <QTest>

using namespace corvane;

class DateFormatsTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();

    void localePatterns_data();
    void localePatterns();
    void bareLocaleTakesUnitedStatesConventions();
    void adjustShortDate_data();
    void adjustShortDate();
    void adjustLongTime_data();
    void adjustLongTime();
    void fix2000AdjustsTheProcessWidePatterns();

    void displayPatterns_data();
    void displayPatterns();
    void localePatternLiteralsAndNames();

    void parseShortDate_data();
    void parseShortDate();
};

void DateFormatsTest::cleanup() {
    setNow(QDateTime());
}

void DateFormatsTest::localePatterns_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("shortDate");
    QTest::addColumn<QString>("longDate");
    QTest::addColumn<QString>("shortTime");
    QTest::addColumn<QString>("longTime");
    QTest::addColumn<QString>("am");
    QTest::addColumn<QChar>("decimal");
    QTest::newRow("en_US") << "en_US"
                           << "M/d/yy"
                           << "dddd, MMMM d, yyyy"
                           << "h:mm tt"
                           << "h:mm:ss tt"
                           << "AM" << QChar('.');
    QTest::newRow("de_DE") << "de_DE"
                           << "dd.MM.yy"
                           << "dddd, d. MMMM yyyy"
                           << "HH:mm"
                           << "HH:mm:ss"
                           << "AM" << QChar(',');
    QTest::newRow("en_GB") << "en_GB"
                           << "dd/MM/yyyy"
                           << "dddd, d MMMM yyyy"
                           << "HH:mm"
                           << "HH:mm:ss"
                           << "am" << QChar('.');
    // AM/PM ahead of the time; the hour stays a 12-hour one.
    QTest::newRow("ko_KR") << "ko_KR"
                           << "yy. M. d."
                           << "yyyy년 M월 d일 dddd"
                           << "tt h:mm"
                           << "tt h시 m분 s초"
                           << "오전" << QChar('.');
}

void DateFormatsTest::localePatterns() {
    QFETCH(QString, locale);
    const FormatSettings f = FormatSettings::fromLocale(QLocale(locale));
    QTEST(f.shortDate, "shortDate");
    QTEST(f.longDate, "longDate");
    QTEST(f.shortTime, "shortTime");
    QTEST(f.longTime, "longTime");
    QTEST(f.amText, "am");
    QTEST(f.decimalSeparator, "decimal");
}

void DateFormatsTest::bareLocaleTakesUnitedStatesConventions() {
    const FormatSettings f = FormatSettings::fromLocale(QLocale::c());
    QCOMPARE(f.shortDate, QString("M/d/yy"));
    QCOMPARE(f.longTime, QString("h:mm:ss tt"));
    QCOMPARE(f.longMonthNames.size(), 12);
    QCOMPARE(f.longMonthNames.first(), QString("January"));
    QCOMPARE(f.longDayNames.first(), QString("Sunday"));
    QCOMPARE(f.shortDayNames.last(), QString("Sat"));
}

void DateFormatsTest::adjustShortDate_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("adjusted");
    QTest::newRow("M/d/yy") << "M/d/yy"
                            << "M/d/yyyy";
    QTest::newRow("dd-MMM-yy") << "dd-MMM-yy"
                               << "dd-MM-yyyy";
    QTest::newRow("yyyy-MM-dd") << "yyyy-MM-dd"
                                << "yyyy-MM-dd";
    QTest::newRow("dd.MM.yy") << "dd.MM.yy"
                              << "dd.MM.yyyy";
    QTest::newRow("dd-mmm-yy") << "dd-mmm-yy"
                               << "dd-mmm-yyyy";
    QTest::newRow("d MMMM yyyy") << "d MMMM yyyy"
                                 << "d MMM yyyy";
}

void DateFormatsTest::adjustShortDate() {
    QFETCH(QString, pattern);
    QTEST(corvane::adjustShortDate(pattern), "adjusted");
}

void DateFormatsTest::adjustLongTime_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("adjusted");
    QTest::newRow("h:mm:ss tt") << "h:mm:ss tt"
                                << "h:mm tt";
    QTest::newRow("HH.mm.ss") << "HH.mm.ss"
                              << "HH.mm";
    QTest::newRow("hh:mm") << "hh:mm"
                           << "hh:mm";
    QTest::newRow("ss without separator") << "H時mm分ss秒"
                                          << "H時mm分秒";
}

void DateFormatsTest::adjustLongTime() {
    QFETCH(QString, pattern);
    QTEST(corvane::adjustLongTime(pattern), "adjusted");
}

void DateFormatsTest::fix2000AdjustsTheProcessWidePatterns() {
    test::pinFormats("en_US");
    fix2000();
    QCOMPARE(formats().shortDate, QString("M/d/yyyy"));
    QCOMPARE(formats().longTime, QString("h:mm tt"));
    QCOMPARE(formats().shortTime, QString("h:mm tt"));
    const QDateTime moment(QDate(2000, 3, 5), QTime(17, 7, 9));
    QCOMPARE(formatDateTime("ddddd", moment), QString("3/5/2000"));
    QCOMPARE(formatDateTime("tt", moment), QString("5:07 PM"));
    QCOMPARE(corvane::parseShortDate("3/5/2000"), QDate(2000, 3, 5));
}

void DateFormatsTest::displayPatterns_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");
    QTest::newRow("en_US ddd ddddd") << "en_US"
                                     << "ddd ddddd"
                                     << "Sun 3/5/00";
    QTest::newRow("en_US dddd") << "en_US"
                                << "dddd"
                                << "Sunday";
    QTest::newRow("en_US dddddd") << "en_US"
                                  << "dddddd"
                                  << "Sunday, March 5, 2000";
    QTest::newRow("en_US dddddd tt") << "en_US"
                                     << "dddddd tt"
                                     << "Sunday, March 5, 2000 5:07:09 PM";
    QTest::newRow("en_US t") << "en_US"
                             << "t"
                             << "5:07 PM";
    QTest::newRow("en_US hh:nna/p") << "en_US"
                                    << "hh:nna/p"
                                    << "05:07p";
    QTest::newRow("en_US hh:nnA/P") << "en_US"
                                    << "hh:nnA/P"
                                    << "05:07P";
    QTest::newRow("en_US h:mm am/pm") << "en_US"
                                      << "h:mm am/pm"
                                      << "5:07 pm";
    QTest::newRow("en_US ampm") << "en_US"
                                << "hh:nn ampm"
                                << "05:07 PM";
    QTest::newRow("en_US 24-hour") << "en_US"
                                   << "hh:nn:ss"
                                   << "17:07:09";
    QTest::newRow("en_US mmmm yyyy") << "en_US"
                                     << "mmmm yyyy"
                                     << "March 2000";
    QTest::newRow("en_US mmm d, yy") << "en_US"
                                     << "mmm d, yy"
                                     << "Mar 5, 00";
    QTest::newRow("en_US literal") << "en_US"
                                   << "\"Day\" d 'of' m"
                                   << "Day 5 of 3";
    QTest::newRow("de_DE ddd ddddd") << "de_DE"
                                     << "ddd ddddd"
                                     << "So. 05.03.00";
    QTest::newRow("de_DE dddddd tt") << "de_DE"
                                     << "dddddd tt"
                                     << "Sonntag, 5. März 2000 17:07:09";
    QTest::newRow("de_DE t") << "de_DE"
                             << "t"
                             << "17:07";
    QTest::newRow("en_GB ddddd") << "en_GB"
                                 << "ddddd"
                                 << "05/03/2000";
    QTest::newRow("en_GB dddddd") << "en_GB"
                                  << "dddddd"
                                  << "Sunday, 5 March 2000";
    QTest::newRow("en_GB ampm") << "en_GB"
                                << "h:nn ampm"
                                << "5:07 pm";
}

void DateFormatsTest::displayPatterns() {
    QFETCH(QString, locale);
    QFETCH(QString, pattern);
    test::pinFormats(locale);
    QTEST(formatDateTime(pattern, QDateTime(QDate(2000, 3, 5), QTime(17, 7, 9))), "text");
}

void DateFormatsTest::localePatternLiteralsAndNames() {
    test::pinFormats("en_US");
    const QDateTime morning(QDate(2024, 12, 31), QTime(0, 5, 3));
    QCOMPARE(formatWithLocalePattern("h:mm:ss tt", morning), QString("12:05:03 AM"));
    QCOMPARE(formatWithLocalePattern("HH:mm t", morning), QString("00:05 A"));
    QCOMPARE(formatWithLocalePattern("'Week of' ddd d MMM yyyy", morning),
             QString("Week of Tue 31 Dec 2024"));
    QCOMPARE(formatWithLocalePattern("d 'o''clock'", morning), QString("31 o'clock"));
    QCOMPARE(formatWithLocalePattern("'unclosed", morning), QString("unclosed"));
}

void DateFormatsTest::parseShortDate_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("adjusted");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::newRow("en_US") << "en_US" << true << "3/15/2000" << QDate(2000, 3, 15);
    QTest::newRow("en_US two-digit year") << "en_US" << false << "3/15/30" << QDate(2030, 3, 15);
    QTest::newRow("en_US old two-digit year") << "en_US" << false << "3/15/80" << QDate(1980, 3, 15);
    QTest::newRow("en_US no year") << "en_US" << true << "3/15" << QDate(2026, 3, 15);
    QTest::newRow("en_US 31 February") << "en_US" << true << "2/31/2000" << QDate();
    QTest::newRow("en_US words") << "en_US" << true << "soon" << QDate();
    QTest::newRow("en_US empty") << "en_US" << true << "" << QDate();
    QTest::newRow("en_US long number") << "en_US" << true << "3/15/200000" << QDate();
    QTest::newRow("de_DE") << "de_DE" << true << "15.03.2000" << QDate(2000, 3, 15);
    QTest::newRow("en_GB") << "en_GB" << true << "15/03/2000" << QDate(2000, 3, 15);
    QTest::newRow("en_GB swapped is invalid") << "en_GB" << true << "03/15/2000" << QDate();
    QTest::newRow("C month name") << "C" << false << "15 Mar 2000" << QDate(2000, 3, 15);
}

void DateFormatsTest::parseShortDate() {
    QFETCH(QString, locale);
    QFETCH(bool, adjusted);
    QFETCH(QString, text);
    setNow(QDateTime(QDate(2026, 6, 1), QTime(9, 0)));
    test::pinFormats(locale);
    if (locale == "C")
        formats().shortDate = "d MMM yyyy";
    if (adjusted)
        fix2000();
    QTEST(corvane::parseShortDate(text), "date");
}

QTEST_MAIN(DateFormatsTest)
#include "tst_dateformats.moc"
