#include "store/routines.h"

#include "store/clock.h"
#include "store/dateformats.h"
#include "store/daynumber.h"

#include <QFileInfo>
#include <QLocale>

#include <cmath>
#include <cstdlib>

namespace corvane {

namespace {

const QLatin1String crLf("\r\n");

QChar upperAscii(QChar c) {
    return c >= QLatin1Char('a') && c <= QLatin1Char('z') ? QChar(c.unicode() - 32) : c;
}

// Case folding here touches only the ASCII letters, as the search always has.
QString upperAscii(const QString &text) {
    QString folded = text;
    for (QChar &c : folded)
        c = upperAscii(c);
    return folded;
}

QString plural(int count, const char *unit) {
    return QString::number(count) + QLatin1String(unit) + (count > 1 ? QStringLiteral("s") : QString());
}

// Beyond two years: whole years and the months left over.
void splitYears(int &years, int &months) {
    years -= 1;
    months -= 12 * years;
    if (months >= 12) {
        years += months / 12;
        months %= 12;
    }
}

// A run of ASCII digits at `pos` (at most `maxDigits`), advancing `pos`; -1 when there is none.
int scanNumber(QStringView text, qsizetype &pos, int maxDigits) {
    const qsizetype start = pos;
    int value = 0;
    while (pos < text.size() && pos - start < maxDigits && isDigit(text[pos]))
        value = value * 10 + (text[pos++].unicode() - '0');
    if (pos == start || (pos < text.size() && isDigit(text[pos])))
        return -1;
    return value;
}

// Removes an AM/PM designator from the start or the end of the text: 0 for AM, 1 for PM, -1 for none.
int takeDesignator(QString &text) {
    const FormatSettings &f = formats();
    const QString designators[] = {f.amText, f.pmText, QStringLiteral("AM"), QStringLiteral("PM")};
    for (int i = 0; i < 4; ++i) {
        const QString &d = designators[i];
        if (d.isEmpty())
            continue;
        if (text.endsWith(d, Qt::CaseInsensitive)) {
            text.chop(d.size());
        } else if (text.startsWith(d, Qt::CaseInsensitive)) {
            text.remove(0, d.size());
        } else {
            continue;
        }
        text = text.trimmed();
        return i % 2;
    }
    return -1;
}

// The separator between hours and minutes in the locale's time patterns.
QChar timeSeparator() {
    for (const QString &pattern : {formats().shortTime, formats().longTime}) {
        qsizetype i = pattern.indexOf(QLatin1Char('h'), 0, Qt::CaseInsensitive);
        if (i < 0)
            continue;
        while (i < pattern.size() && (pattern[i] == QLatin1Char('h') || pattern[i] == QLatin1Char('H')))
            ++i;
        if (i < pattern.size() && !pattern[i].isLetter() && !pattern[i].isSpace())
            return pattern[i];
    }
    return QLatin1Char(':');
}

bool isTimeSeparator(QStringView text, qsizetype pos) {
    return pos < text.size() && (text[pos] == QLatin1Char(':') || text[pos] == timeSeparator());
}

} // namespace

bool passAll(const QString &, const QString &) {
    return true;
}

QString yesNo(bool flag) {
    return flag ? QStringLiteral("Yes") : QStringLiteral("No");
}

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

int readInteger(const QString &text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? value : 0;
}

double readDecimal(const QString &text) {
    const QChar separator = formats().decimalSeparator;
    QString number = text.trimmed();
    if (separator != QLatin1Char('.')) {
        // Store keys are written with a period whatever the locale; the locale's own separator reads too.
        if (number.count(separator) > 0 && number.contains(QLatin1Char('.')))
            return 0;
        number.replace(separator, QLatin1Char('.'));
    }
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = c.toDouble(number, &ok);
    return ok && std::isfinite(value) ? value : 0;
}

double readTime(const QString &text) {
    QString rest = text.trimmed();
    const int designator = takeDesignator(rest);
    qsizetype pos = 0;
    const int hour = scanNumber(rest, pos, 2);
    int minute = 0;
    int second = 0;
    bool ok = hour >= 0;
    if (ok && isTimeSeparator(rest, pos)) {
        minute = scanNumber(rest, ++pos, 2);
        if (minute >= 0 && isTimeSeparator(rest, pos))
            second = scanNumber(rest, ++pos, 2);
    } else if (designator < 0) {
        ok = false; // a bare hour needs AM or PM to be a time
    }
    ok = ok && pos == rest.size() && minute >= 0 && minute < 60 && second >= 0 && second < 60;
    int hour24 = hour;
    if (designator >= 0) {
        ok = ok && hour >= 1 && hour <= 12;
        hour24 = hour % 12 + (designator == 1 ? 12 : 0);
    }
    ok = ok && hour24 >= 0 && hour24 < 24;
    if (!ok)
        return dateTimeValue(now());
    return (hour24 * 3600 + minute * 60 + second) / 86400.0;
}

bool isEmptyFile(const QString &fileName) {
    const QFileInfo info(fileName);
    return !info.exists() || info.size() == 0;
}

bool isBlank(const QString &text) {
    for (const QChar c : text)
        if (c != QLatin1Char(' ') && c != QChar(13) && c != QChar(10) && c != QChar(8))
            return false;
    return true;
}

QString relativeDate(const QDateTime &moment) {
    const QDate date = moment.date();
    const QDate today = now().date();
    const int days = std::abs(dayNumber(today) - dayNumber(date));
    const bool future = dayNumber(date) > dayNumber(today);
    if (days == 0)
        return QStringLiteral("Today");
    if (days == 1)
        return future ? QStringLiteral("Tomorrow") : QStringLiteral("Yesterday");

    const int monthIndex = date.year() * 12 + date.month();
    const int todayIndex = today.year() * 12 + today.month();
    if (future) {
        const int weeks = (days + weekdaySundayFirst(today) - 1) / 7;
        int months = monthIndex - todayIndex;
        int years = date.year() - today.year();
        if (weeks <= 5)
            return QString::number(days) + QStringLiteral(" days");
        if (months < 3)
            return QString::number(weeks) + QStringLiteral(" wks");
        if (years <= 2)
            return plural(months, " mon");
        splitYears(years, months);
        QString text = QString::number(years) + QStringLiteral(" yrs");
        if (months > 0)
            text += QLatin1Char(' ') + plural(months, " mon");
        return text;
    }
    const int weeks = (days + weekdaySundayFirst(date) - 1) / 7;
    int months = todayIndex - monthIndex;
    int years = today.year() - date.year();
    if (weeks <= 6)
        return QString::number(days) + QStringLiteral(" days ago");
    if (months < 3)
        return QString::number(weeks) + QStringLiteral(" wks ago");
    if (years <= 2)
        return plural(months, " mon") + QStringLiteral(" ago");
    splitYears(years, months);
    QString text = QString::number(years) + QStringLiteral(" yrs ");
    if (months > 0)
        text += plural(months, " mon") + QLatin1Char(' ');
    return text + QStringLiteral("ago");
}

int weekdaySundayFirst(const QDate &date) {
    return date.dayOfWeek() % 7 + 1;
}

int daysInMonth(int month, int year) {
    static const int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return lengths[month - 1] + (month == 2 && leap ? 1 : 0);
}

int monthNumber(const QString &name) {
    const QString wanted = upperAscii(name);
    const QStringList &names = formats().longMonthNames;
    for (int i = 0; i < names.size() && i < 12; ++i)
        if (upperAscii(names[i]) == wanted)
            return i + 1;
    return 0;
}

namespace {

int dayOfRow(const TaskTable &store, int row) {
    return dayOfKey(store.cell(StoreKey, row));
}

bool passes(const TaskTable &store, int row, const RowFilter &filter) {
    return !filter || filter(store.cell(StoreDone, row), store.cell(StoreCategory, row));
}

} // namespace

int firstRowOfDay(const TaskTable &store, int day, const RowFilter &filter) {
    // The store is sorted by day: bisect to the day's first row, then take its first row that is shown.
    int lower = 1;
    int upper = store.rowCount() - 1;
    while (lower <= upper) {
        const int middle = lower + (upper - lower) / 2;
        if (dayOfRow(store, middle) < day)
            lower = middle + 1;
        else
            upper = middle - 1;
    }
    for (int row = lower; row < store.rowCount() && dayOfRow(store, row) == day; ++row)
        if (passes(store, row, filter))
            return row;
    return -1;
}

int dayRowCount(const TaskTable &store, int startRow, const RowFilter &filter) {
    if (startRow < 1 || startRow >= store.rowCount())
        return 0;
    const int day = dayOfRow(store, startRow);
    int count = 1;
    for (int row = startRow + 1; row < store.rowCount() && dayOfRow(store, row) == day; ++row)
        if (passes(store, row, filter))
            ++count;
    return count;
}

DayStatus dayStatus(const TaskTable &store, int day, bool doneWished, bool notDoneWished,
                    const RowFilter &filter, int *foundRow) {
    if (foundRow)
        *foundRow = -1;
    if (!doneWished && !notDoneWished)
        return DayStatus::None;
    const int first = firstRowOfDay(store, day, filter);
    if (foundRow)
        *foundRow = first;
    if (first < 0)
        return DayStatus::None;
    for (int row = first; row < store.rowCount() && dayOfRow(store, row) == day; ++row) {
        if (!passes(store, row, filter))
            continue;
        const QString &done = store.cell(StoreDone, row);
        if (doneWished && done == QLatin1String("Yes"))
            return DayStatus::Done;
        if (notDoneWished && done == QLatin1String("No"))
            return DayStatus::NotDone;
    }
    return DayStatus::None;
}

int freeRow(TaskTable &table, const std::function<bool(const TaskTable &, int)> &isEmptyRow) {
    for (int row = 1; row < table.rowCount(); ++row)
        if (isEmptyRow ? isEmptyRow(table, row) : table.cell(0, row).isEmpty())
            return row;
    table.insertRows(table.rowCount(), 1);
    return table.rowCount() - 1;
}

QString joinMemoLines(const QStringList &lines) {
    qsizetype count = lines.size();
    if (count > 0 && lines.last().isEmpty())
        --count; // the empty line after a final line break is not a line of its own
    if (count == 0)
        return QString();
    if (count == 1)
        return lines.first();
    QString text;
    for (qsizetype i = 0; i < count; ++i)
        text += lines[i] + crLf;
    return text;
}

QStringList splitMemoText(const QString &text) {
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(crLf);
    // A closing CR LF ends the last line; text after the last CR LF is kept as a line of its own.
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString flattenMemoText(const QString &text) {
    QString flat = text;
    return flat.remove(crLf);
}

bool isWordDelimiter(QChar c) {
    static const QString delimiters = QStringLiteral("\t'\r\n ,.`@/?;:\"<>[]{}-=\\+|()%&^$#!~*");
    return delimiters.contains(c);
}

bool wholeWordMatch(const QString &text, const QString &word, bool caseSensitive) {
    if (isBlank(text) || isBlank(word))
        return false;
    QString haystack = caseSensitive ? text : upperAscii(text);
    const QString needle = caseSensitive ? word : upperAscii(word);
    if (!haystack.contains(needle))
        return false;
    for (QChar &c : haystack)
        if (isWordDelimiter(c))
            c = QLatin1Char('\t');
    const QStringList pieces = haystack.split(QLatin1Char('\t'), Qt::SkipEmptyParts);
    return pieces.contains(needle);
}

bool textMatch(const QString &text, bool wholeWords, bool caseSensitive, const QString &word) {
    if (wholeWords)
        return wholeWordMatch(text, word, caseSensitive);
    if (word.isEmpty())
        return false;
    return caseSensitive ? text.contains(word) : upperAscii(text).contains(upperAscii(word));
}

QString tabField(const QString &text, int n) {
    if (n < 1)
        return QString();
    qsizetype start = 0;
    for (int field = 1; field < n; ++field) {
        const qsizetype tab = text.indexOf(QLatin1Char('\t'), start);
        if (tab < 0)
            return QString();
        start = tab + 1;
    }
    const qsizetype end = text.indexOf(QLatin1Char('\t'), start);
    return text.mid(start, end < 0 ? -1 : end - start);
}

} // namespace corvane
