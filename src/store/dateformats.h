#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace corvane {

// The process-wide date and time format settings, taken from the system locale at start.
//
// Their patterns are in the locale pattern language: case-sensitive; "M".."MMMM" month, "d".."dddd" day,
// "yy"/"yyyy" year, "h"/"hh" 12-hour and "H"/"HH" 24-hour hours, "mm" minutes, "ss" seconds, "tt" AM/PM.
struct FormatSettings {
    QString shortDate; // e.g. "M/d/yy"
    QString longDate;  // e.g. "dddd, MMMM d, yyyy"
    QString shortTime; // e.g. "h:mm tt"
    QString longTime;  // e.g. "h:mm:ss tt"
    QString amText;    // e.g. "AM"
    QString pmText;    // e.g. "PM"
    QChar decimalSeparator;
    QStringList longMonthNames; // January first
    QStringList shortMonthNames;
    QStringList longDayNames; // Sunday first
    QStringList shortDayNames;

    // The settings of a locale, its Qt patterns converted into the language above. The "C" and "POSIX"
    // locales give en_US conventions.
    static FormatSettings fromLocale(const QLocale &locale);
};

// The process-wide settings; initially those of QLocale::system().
FormatSettings &formats();
// Replaces them (start-up, tests pinning a locale).
void setFormats(const FormatSettings &settings);

// The start-up adjustment: four-digit years and numeric months in the short date, no seconds in the long
// time. Pure functions for one pattern each, and fix2000() applying both to formats().
QString adjustShortDate(const QString &pattern);
QString adjustLongTime(const QString &pattern);
void fix2000();

// Formats a moment with a display pattern: "ddddd" short date, "dddddd" long date, "t" short time,
// "tt" long time, "d"/"dd" day, "ddd"/"dddd" weekday names, "m"/"mm" month (minutes after "h"/"hh"),
// "mmm"/"mmmm" month names, "yy"/"yyyy" year, "h"/"hh" hour, "nn" minutes, "ss" seconds, "am/pm",
// "a/p", "ampm"; text in double quotes is literal. Examples: "ddd ddddd", "dddddd tt", "hh:nna/p".
QString formatDateTime(const QString &displayPattern, const QDateTime &moment);
// Formats with a locale pattern (the short date, the long time, ...).
QString formatWithLocalePattern(const QString &localePattern, const QDateTime &moment);

// Reads a date written with the short date pattern; an invalid date when it does not read.
QDate parseShortDate(const QString &text);

} // namespace corvane
