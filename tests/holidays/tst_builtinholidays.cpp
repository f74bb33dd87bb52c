#include "holidays/builtinholidays.h"
#include "holidays/holidayrules.h"
#include "testsupport.h"

#include <QTest>

using namespace corvane;

namespace {
// The holiday of a country with the given code.
HolidayStructure holiday(int country, const char *code) {
    for (const HolidayStructure &candidate : countryHolidays(country))
        if (qstrcmp(candidate.code, code) == 0)
            return candidate;
    return {-1, "", ""};
}
} // namespace

class BuiltInHolidaysTest : public QObject {
    Q_OBJECT
private slots:
    void init() { test::pinFormats("en_US"); }
    void everyCountryHasItsHolidays_data();
    void everyCountryHasItsHolidays();
    void recordsAreOrderedByCountryWithWellFormedCodes();
    void displayTexts_data();
    void displayTexts();
    void importedRules_data();
    void importedRules();
    void importedRulesNameTheirDaysUnderGerman();
    void importsStackAboveTheRules();
};

void BuiltInHolidaysTest::everyCountryHasItsHolidays_data() {
    QTest::addColumn<QString>("country");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("sample");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    // Per country: how many it holds, and one of them by its position in the stored order.
    QTest::newRow("0") << "Australia" << 6 << 3 << "12Oct"
                       << "Labour Day";
    QTest::newRow("1") << "Austria" << 9 << 6 << "Dec08"
                       << "Mariä Empfängnis";
    QTest::newRow("2") << "Belgium" << 9 << 5 << "Sep27"
                       << "Feest. Franst. Cultuurgem./Fête Comm. cult. franç";
    QTest::newRow("3") << "Brazil" << 14 << 13 << "Dec31"
                       << "São Silvestre";
    QTest::newRow("4") << "Canada - English" << 9 << 1 << "32May"
                       << "Victoria Day";
    QTest::newRow("5") << "Canada - French" << 9 << 2 << "Jun24"
                       << "Fête Nationale des Québecois";
    QTest::newRow("6") << "Denmark" << 5 << 0 << "Jan01"
                       << "Nytår";
    QTest::newRow("7") << "Finland" << 7 << 5 << "Dec25"
                       << "Jouluaato";
    QTest::newRow("8") << "France" << 8 << 2 << "May08"
                       << "Armistice 1945";
    QTest::newRow("9") << "Germany" << 11 << 5 << "34Nov"
                       << "Buß- und Bettag";
    QTest::newRow("10") << "Ireland" << 9 << 4 << "52Oct"
                        << "October Holiday";
    QTest::newRow("11") << "Italy" << 9 << 4 << "Aug15"
                        << "Assunzione M.V.";
    QTest::newRow("12") << "Japan" << 13 << 11 << "Nov03"
                        << "Culture Day";
    QTest::newRow("13") << "Netherlands" << 5 << 4 << "Dec26"
                        << "2de Kerstdag";
    QTest::newRow("14") << "New Zealand" << 7 << 4 << "42Oct"
                        << "Labour Day";
    QTest::newRow("15") << "Norway" << 5 << 0 << "Jan01"
                        << "Nyttårsdag";
    QTest::newRow("16") << "Portugal" << 10 << 8 << "Dec08"
                        << "Imaculada Conceiçao de Nossa Senhora";
    QTest::newRow("17") << "South Africa" << 8 << 5 << "Dec16"
                        << "Day of Vow";
    QTest::newRow("18") << "Spain" << 30 << 18 << "Sep08"
                        << "Día de Asturias/V. de San Lorenzo/V. Guadalupe";
    QTest::newRow("19") << "Sweden" << 9 << 6 << "21Nov"
                        << "Fars dag";
    QTest::newRow("20") << "Switzerland" << 11 << 4 << "Mar01"
                        << "République neuchâteloise";
    QTest::newRow("21") << "United Kingdom" << 9 << 3 << "22Jul"
                        << "Public Holiday, Northern Ireland";
    QTest::newRow("22") << "United States" << 24 << 21 << "45Nov"
                        << "Thanksgiving";
}

void BuiltInHolidaysTest::everyCountryHasItsHolidays() {
    QFETCH(QString, country);
    QFETCH(int, count);
    QFETCH(int, sample);
    QFETCH(QString, code);
    QFETCH(QString, name);
    const int index = QString(QTest::currentDataTag()).toInt();
    QCOMPARE(holidayCountries().value(index), country);
    const QList<HolidayStructure> holidays = countryHolidays(index);
    QCOMPARE(holidays.size(), count);
    QCOMPARE(QString::fromLatin1(holidays[sample].code), code);
    QCOMPARE(QString::fromUtf8(holidays[sample].name), name);
    QCOMPARE(QString::fromLatin1(holidays.first().code), QString("Jan01"));
}

void BuiltInHolidaysTest::recordsAreOrderedByCountryWithWellFormedCodes() {
    const QList<HolidayStructure> &all = builtInHolidays();
    QCOMPARE(all.size(), 236);
    QCOMPARE(holidayCountries().size(), 23);
    const QStringList months{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (qsizetype i = 0; i < all.size(); ++i) {
        const QString code = QString::fromLatin1(all[i].code);
        QVERIFY2(code.size() == 5, all[i].code);
        if (i > 0)
            QVERIFY(all[i - 1].country <= all[i].country);
        const bool floating = code[0].isDigit();
        QVERIFY2(months.contains(floating ? code.mid(2) : code.left(3)), all[i].code);
        if (floating)
            QVERIFY2(code[0] >= '1' && code[0] <= '5' && code[1] >= '1' && code[1] <= '7', all[i].code);
        else
            QVERIFY2(code.mid(3).toInt() >= 1 && code.mid(3).toInt() <= 31, all[i].code);
    }
}

void BuiltInHolidaysTest::displayTexts_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("third Monday") << "32Jan"
                                  << "3rd Mon in Jan";
    QTest::newRow("last Monday") << "52May"
                                 << "Last Mon in May";
    QTest::newRow("fourth Thursday") << "45Nov"
                                     << "4th Thu in Nov";
    QTest::newRow("first Sunday") << "11Apr"
                                  << "1st Sun in Apr";
    QTest::newRow("2nd Saturday") << "27Jan"
                                  << "2nd Sat in Jan";
    QTest::newRow("1st") << "Jan01"
                         << "Jan 1st";
    QTest::newRow("4th") << "Jul04"
                         << "Jul 4th";
    QTest::newRow("11th, 12th, 13th") << "Nov11"
                                      << "Nov 11th";
    QTest::newRow("12th") << "Feb12"
                          << "Feb 12th";
    QTest::newRow("13th") << "Jun13"
                          << "Jun 13th";
    QTest::newRow("22nd") << "Feb22"
                          << "Feb 22nd";
    QTest::newRow("23rd") << "Nov23"
                          << "Nov 23rd";
    QTest::newRow("31st") << "Dec31"
                          << "Dec 31st";
}

void BuiltInHolidaysTest::displayTexts() {
    QFETCH(QString, code);
    QFETCH(QString, text);
    QCOMPARE(holidayDisplayText(code), text);
}

void BuiltInHolidaysTest::importedRules_data() {
    QTest::addColumn<int>("country");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("rule");
    QTest::newRow("Thanksgiving") << 22 << "45Nov"
                                  << QStringList{"Thanksgiving", "11", "November", "Fourth : Thursday"};
    QTest::newRow("Memorial Day") << 22 << "52May"
                                  << QStringList{"Memorial Day (Observed)", "05", "May", "Last : Monday"};
    QTest::newRow("Independence Day") << 22 << "Jul04" << QStringList{"Independence Day", "07", "July", "4"};
    QTest::newRow("Christmas") << 0 << "Dec25" << QStringList{"Christmas", "12", "December", "25"};
    QTest::newRow("Mors dag") << 19 << "51May" << QStringList{"Mors dag", "05", "May", "Last : Sunday"};
    QTest::newRow("accents") << 9 << "34Nov"
                             << QStringList{"Buß- und Bettag", "11", "November", "Third : Wednesday"};
}

void BuiltInHolidaysTest::importedRules() {
    QFETCH(int, country);
    QFETCH(QString, code);
    QFETCH(QStringList, rule);
    QCOMPARE(importedRule(holiday(country, code.toLatin1())), rule);
}

void BuiltInHolidaysTest::importedRulesNameTheirDaysUnderGerman() {
    test::pinFormats("de_DE");
    QCOMPARE(importedRule(holiday(22, "45Nov")),
             (QStringList{"Thanksgiving", "11", "November", "Fourth : Donnerstag"}));
    QCOMPARE(importedRule(holiday(22, "52May")),
             (QStringList{"Memorial Day (Observed)", "05", "Mai", "Last : Montag"}));
    QCOMPARE(importedRule(holiday(0, "Dec25")), (QStringList{"Christmas", "12", "Dezember", "25"}));
    QCOMPARE(holidayDisplayText("32Jan"), QString("3rd Mo. in Jan"));

    TaskTable rules = newHolidayTable();
    addToGrid(rules, holiday(22, "45Nov"));
    addToGrid(rules, holiday(22, "52May"));
    QCOMPARE(holidayName(rules, QDate(2024, 11, 28)), QString("Thanksgiving"));
    QCOMPARE(holidayName(rules, QDate(2024, 5, 27)), QString("Memorial Day (Observed)"));
}

void BuiltInHolidaysTest::importsStackAboveTheRules() {
    TaskTable rules = newHolidayTable();
    rules.setRowCells(1, {"Own", "03", "March", "3"});
    addToGrid(rules, holiday(0, "Jan01"));
    addToGrid(rules, holiday(0, "Dec25"));
    addToGrid(rules, holiday(0, "Dec25"));
    QCOMPARE(rules.rowCount(), 5);
    QCOMPARE(rules.cell(HolidayName, 1), QString("Christmas"));
    QCOMPARE(rules.rowCells(2), rules.rowCells(1));
    QCOMPARE(rules.cell(HolidayName, 3), QString("New Year's Day"));
    QCOMPARE(rules.cell(HolidayName, 4), QString("Own"));
}

QTEST_MAIN(BuiltInHolidaysTest)
#include "tst_builtinholidays.moc"
