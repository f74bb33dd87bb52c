#pragma once

#include "store/tasktable.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace corvane {

// One holiday of the built-in sets. The code is five characters: a fixed date "MmmDD" (English month
// abbreviation and two-digit day, "Dec25") or a floating one "NWMmm" (ordinal 1-4 or 5 for the last,
// weekday 1 = Sunday ... 7 = Saturday, month abbreviation: "45Nov" is the fourth Thursday of November).
struct HolidayStructure {
    int country;
    const char *code;
    const char *name;
};

// The names of the countries, by country index.
const QStringList &holidayCountries();
// Every built-in holiday, ordered by country and, within one, in the order shown to the user.
const QList<HolidayStructure> &builtInHolidays();
// The holidays of one country, in stored order.
QList<HolidayStructure> countryHolidays(int country);

// "1st", "2nd", "3rd", "4th", "11th", "22nd" ...
QString ordinalText(int n);
// How a code is shown: "3rd Mon in Jan" (the weekday abbreviated as the format settings name it),
// "Last Mon in May", "Jan 1st".
QString holidayDisplayText(const QString &code);
// The line of the import list: the display text, a tab and the name.
QString holidayLine(const HolidayStructure &holiday);

// The rule cells of a built-in holiday: name, month number, the month's full name and the day text
// ("4" or "Fourth : Thursday"), month and weekday named as the format settings name them. They are read
// from the code itself, so the rule names its days under any language.
QStringList importedRule(const HolidayStructure &holiday);
// Inserts the holiday's rule at row 1, above the rules already there.
void addToGrid(TaskTable &grid, const HolidayStructure &holiday);

} // namespace corvane
