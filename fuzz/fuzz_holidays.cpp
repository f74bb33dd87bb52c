// The holiday rules: any holiday file, any day text, any year, month and ordinal.

#include "fuzzsupport.h"

#include "holidays/holidaylookup.h"
#include "holidays/holidayrules.h"

using namespace corvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzz::setUp();
    fuzz::Input input(data, size);
    const int year = input.number(-30'000, 30'000);
    const int month = input.number(-2, 14);
    const int n = input.number(-1, 7);
    const int weekday = input.number(-1, 9);
    const QByteArray rest = input.restBytes();

    const int day = NthWeekday(year, month, n, weekday);
    fuzz::check(day >= 0 && day <= 31, "an nth weekday is a day of the month or none");

    // The rest is a day text, and also a whole holiday file.
    const QDate date = HolidayDate(year, month, input.rest());
    fuzz::check(!date.isValid() || (date.year() == year && date.month() == month),
                "a rule's date lies in its month");

    TaskTable table = newHolidayTable();
    QString error;
    // A year of lookups over a very long table would only measure the bisection-free scan.
    if (!table.fromGridBytes(rest, QStringLiteral("holiday.grd"), &error) || table.rowCount() > 1000)
        return 0;
    HolidayLookup lookup(table);
    const int shown = year >= 1 && year <= 9999 ? year : 2024;
    for (QDate d(shown, 1, 1); d.year() == shown; d = d.addDays(1)) {
        const QString name = lookup.name(d);
        fuzz::check(name == holidayName(table, d), "the cached lookup answers as the rules do");
    }
    return 0;
}
