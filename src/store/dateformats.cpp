#include "store/dateformats.h"

#include "store/clock.h"

namespace corvane {

namespace {

// Length of the run of `c` starting at `pos`.
qsizetype runLength(QStringView text, qsizetype pos) {
    qsizetype end = pos;
    while (end < text.size() && text[end] == text[pos])
        ++end;
    return end - pos;
}

// A quoted literal starting at `pos` ('' stands for one quote): its text, advancing `pos` past it.
QString quoted(QStringView pattern, qsizetype &pos) {
    QString literal;
    ++pos;
    while (pos < pattern.size()) {
        if (pattern[pos] == QLatin1Char('\'')) {
            if (pos + 1 < pattern.size() && pattern[pos + 1] == QLatin1Char('\'')) {
                literal += QLatin1Char('\'');
                pos += 2;
                continue;
            }
            ++pos;
            break;
        }
        literal += pattern[pos++];
    }
    return literal;
}

QString number(int value, qsizetype width) {
    return QString::number(value).rightJustified(width, QLatin1Char('0'));
}

QString nameAt(const QStringList &names, int index) {
    return index >= 0 && index < names.size() ? names[index] : QString();
}

// Qt's pattern in the locale pattern language: "AP"/"ap"/"A"/"a" become "tt", hours become 24-hour
// "H" when there is no AM/PM, and the time zone "t" goes, since a time of day never shows it.
QString fromQtPattern(const QString &qt) {
    const QStringView in(qt);
    bool twelveHour = false;
    for (qsizetype i = 0; i < in.size();) {
        if (in[i] == QLatin1Char('\'')) {
            quoted(in, i);
            continue;
        }
        twelveHour = twelveHour || in[i] == QLatin1Char('A') || in[i] == QLatin1Char('a');
        ++i;
    }
    QString out;
    qsizetype pos = 0;
    while (pos < in.size()) {
        const QChar c = in[pos];
        if (c == QLatin1Char('\'')) {
            const qsizetype start = pos;
            quoted(in, pos);
            out += in.mid(start, pos - start);
            continue;
        }
        const qsizetype run = runLength(in, pos);
        if (c == QLatin1Char('A') || c == QLatin1Char('a')) {
            // "AP", "ap", "Ap", "aP", or a lone "A"/"a"
            const bool pair =
                pos + 1 < in.size() && (in[pos + 1] == QLatin1Char('P') || in[pos + 1] == QLatin1Char('p'));
            out += QLatin1String("tt");
            pos += pair ? 2 : 1;
            continue;
        }
        if (c == QLatin1Char('t')) {
            while (!out.isEmpty() && out.back().isSpace())
                out.chop(1);
            pos += run;
            while (out.isEmpty() && pos < in.size() && in[pos].isSpace())
                ++pos;
            continue;
        }
        if (c == QLatin1Char('z')) {
            // Milliseconds have no place in a time of day shown to the user.
            if (!out.isEmpty() && (out.back() == QLatin1Char('.') || out.back() == QLatin1Char(',')))
                out.chop(1);
            pos += run;
            continue;
        }
        if (c == QLatin1Char('h') && !twelveHour)
            out += QString(run, QLatin1Char('H'));
        else
            out += in.mid(pos, run);
        pos += run;
    }
    return out.trimmed();
}

bool isTwelveHourDisplay(const QString &pattern) {
    const QString lower = pattern.toLower();
    return lower.contains(QLatin1String("am/pm")) || lower.contains(QLatin1String("a/p")) ||
           lower.contains(QLatin1String("ampm"));
}

QString amPm(const QDateTime &moment) {
    return moment.time().hour() < 12 ? formats().amText : formats().pmText;
}

int hour12(const QDateTime &moment) {
    const int hour = moment.time().hour() % 12;
    return hour == 0 ? 12 : hour;
}

QString year(const QDateTime &moment, qsizetype run) {
    const int y = moment.date().year();
    return run <= 2 ? number(((y % 100) + 100) % 100, 2) : number(y, 4);
}

} // namespace

FormatSettings FormatSettings::fromLocale(const QLocale &given) {
    // The bare "C"/"POSIX" locale gives what a person there expects: the conventions of the United States.
    const QLocale locale =
        given.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : given;
    FormatSettings f;
    f.shortDate = fromQtPattern(locale.dateFormat(QLocale::ShortFormat));
    f.longDate = fromQtPattern(locale.dateFormat(QLocale::LongFormat));
    f.shortTime = fromQtPattern(locale.timeFormat(QLocale::ShortFormat));
    f.longTime = fromQtPattern(locale.timeFormat(QLocale::LongFormat));
    f.amText = locale.amText();
    f.pmText = locale.pmText();
    const QString point = locale.decimalPoint();
    f.decimalSeparator = point.isEmpty() ? QLatin1Char('.') : point.front();
    for (int m = 1; m <= 12; ++m) {
        f.longMonthNames << locale.monthName(m, QLocale::LongFormat);
        f.shortMonthNames << locale.monthName(m, QLocale::ShortFormat);
    }
    for (int d : {7, 1, 2, 3, 4, 5, 6}) {
        f.longDayNames << locale.dayName(d, QLocale::LongFormat);
        f.shortDayNames << locale.dayName(d, QLocale::ShortFormat);
    }
    return f;
}

namespace {
FormatSettings &current() {
    static FormatSettings settings = FormatSettings::fromLocale(QLocale::system());
    return settings;
}
} // namespace

FormatSettings &formats() {
    return current();
}

void setFormats(const FormatSettings &settings) {
    current() = settings;
}

QString adjustShortDate(const QString &pattern) {
    QString adjusted = pattern;
    if (!adjusted.contains(QLatin1String("yyyy"))) {
        const qsizetype yy = adjusted.indexOf(QLatin1String("yy"));
        if (yy >= 0)
            adjusted.insert(yy, QLatin1String("yy"));
    }
    const qsizetype mmm = adjusted.indexOf(QLatin1String("MMM"));
    if (mmm >= 0)
        adjusted.replace(mmm, 3, QLatin1String("MM"));
    return adjusted;
}

QString adjustLongTime(const QString &pattern) {
    QString adjusted = pattern;
    for (const QLatin1String seconds : {QLatin1String(":ss"), QLatin1String(".ss"), QLatin1String("ss")}) {
        const qsizetype at = adjusted.indexOf(seconds);
        if (at >= 0)
            return adjusted.remove(at, seconds.size());
    }
    return adjusted;
}

void fix2000() {
    FormatSettings &f = formats();
    f.shortDate = adjustShortDate(f.shortDate);
    f.longTime = adjustLongTime(f.longTime);
}

QString formatWithLocalePattern(const QString &localePattern, const QDateTime &moment) {
    const QStringView in(localePattern);
    const FormatSettings &f = formats();
    const QDate date = moment.date();
    const QTime time = moment.time();
    QString out;
    qsizetype pos = 0;
    while (pos < in.size()) {
        const QChar c = in[pos];
        if (c == QLatin1Char('\'')) {
            out += quoted(in, pos);
            continue;
        }
        const qsizetype run = runLength(in, pos);
        switch (c.unicode()) {
        case 'd':
            out += run == 1   ? QString::number(date.day())
                   : run == 2 ? number(date.day(), 2)
                              : nameAt(run == 3 ? f.shortDayNames : f.longDayNames, date.dayOfWeek() % 7);
            break;
        case 'M':
            out += run == 1   ? QString::number(date.month())
                   : run == 2 ? number(date.month(), 2)
                              : nameAt(run == 3 ? f.shortMonthNames : f.longMonthNames, date.month() - 1);
            break;
        case 'y':
            out += year(moment, run);
            break;
        case 'h':
            out += number(hour12(moment), std::min<qsizetype>(run, 2));
            break;
        case 'H':
            out += number(time.hour(), std::min<qsizetype>(run, 2));
            break;
        case 'm':
            out += number(time.minute(), std::min<qsizetype>(run, 2));
            break;
        case 's':
            out += number(time.second(), std::min<qsizetype>(run, 2));
            break;
        case 't':
            out += run == 1 ? amPm(moment).left(1) : amPm(moment);
            break;
        default:
            out += in.mid(pos, run);
        }
        pos += run;
    }
    return out;
}

QString formatDateTime(const QString &displayPattern, const QDateTime &moment) {
    const QStringView in(displayPattern);
    const FormatSettings &f = formats();
    const QDate date = moment.date();
    const QTime time = moment.time();
    const bool twelveHour = isTwelveHourDisplay(displayPattern);
    QString out;
    bool afterHour = false; // "m" right after an hour means minutes
    qsizetype pos = 0;
    while (pos < in.size()) {
        const QChar c = in[pos];
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            const qsizetype end = in.indexOf(c, pos + 1);
            out += in.mid(pos + 1, (end < 0 ? in.size() : end) - pos - 1);
            pos = end < 0 ? in.size() : end + 1;
            continue;
        }
        const QStringView rest = in.mid(pos);
        if (rest.startsWith(QLatin1String("am/pm"), Qt::CaseInsensitive)) {
            const QStringView text = rest.mid(time.hour() < 12 ? 0 : 3, 2);
            out += text;
            pos += 5;
            continue;
        }
        if (rest.startsWith(QLatin1String("a/p"), Qt::CaseInsensitive)) {
            out += rest.mid(time.hour() < 12 ? 0 : 2, 1);
            pos += 3;
            continue;
        }
        if (rest.startsWith(QLatin1String("ampm"), Qt::CaseInsensitive)) {
            out += amPm(moment);
            pos += 4;
            continue;
        }
        const QChar lower = c.toLower();
        qsizetype run = pos;
        while (run < in.size() && in[run].toLower() == lower)
            ++run;
        run -= pos;
        bool hour = false;
        switch (lower.unicode()) {
        case 'd':
            if (run >= 6)
                out += formatWithLocalePattern(f.longDate, moment);
            else if (run == 5)
                out += formatWithLocalePattern(f.shortDate, moment);
            else if (run >= 3)
                out += nameAt(run == 3 ? f.shortDayNames : f.longDayNames, date.dayOfWeek() % 7);
            else
                out += number(date.day(), run);
            break;
        case 'm':
            if (afterHour && run <= 2)
                out += number(time.minute(), run);
            else if (run >= 3)
                out += nameAt(run == 3 ? f.shortMonthNames : f.longMonthNames, date.month() - 1);
            else
                out += number(date.month(), run);
            break;
        case 'y':
            out += year(moment, run);
            break;
        case 'h':
            out += number(twelveHour ? hour12(moment) : time.hour(), std::min<qsizetype>(run, 2));
            hour = true;
            break;
        case 'n':
            out += number(time.minute(), std::min<qsizetype>(run, 2));
            break;
        case 's':
            out += number(time.second(), std::min<qsizetype>(run, 2));
            break;
        case 't':
            out += formatWithLocalePattern(run == 1 ? f.shortTime : f.longTime, moment);
            break;
        default:
            out += in.mid(pos, run);
        }
        if (lower.isLetter())
            afterHour = hour;
        pos += run;
    }
    return out;
}

QDate parseShortDate(const QString &text) {
    // The order of day, month and year is the order in which the short date pattern names them.
    const QString &pattern = formats().shortDate;
    QString order;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('\'')) {
            quoted(pattern, i);
            continue;
        }
        if ((c == QLatin1Char('d') || c == QLatin1Char('M') || c == QLatin1Char('y')) && !order.contains(c))
            order += c;
        ++i;
    }
    if (order.size() != 3)
        order = QStringLiteral("Mdy");

    // The text's fields: runs of digits, or of letters (a month name).
    QStringList fields;
    const QStringView in(text);
    for (qsizetype i = 0; i < in.size();) {
        const bool digits = in[i].isDigit() && in[i].unicode() < 128;
        qsizetype end = i;
        while (end < in.size() &&
               (digits ? in[end].isDigit() && in[end].unicode() < 128 : in[end].isLetter()))
            ++end;
        if (end == i) {
            ++i;
            continue;
        }
        fields << in.mid(i, end - i).toString();
        i = end;
    }
    // A date without its year is in the current year.
    if (fields.size() == 2 && order.back() == QLatin1Char('y'))
        fields << QString::number(now().date().year());
    if (fields.size() != 3)
        return QDate();

    int day = 0, month = 0, year = 0;
    for (int i = 0; i < 3; ++i) {
        const QString &field = fields[i];
        bool isNumber = false;
        const int value = field.size() <= 4 ? field.toInt(&isNumber) : -1;
        switch (order[i].unicode()) {
        case 'd':
            day = isNumber ? value : 0;
            break;
        case 'M':
            if (isNumber) {
                month = value;
            } else {
                const FormatSettings &f = formats();
                for (int m = 0; m < 12 && month == 0; ++m) {
                    QString shortName = nameAt(f.shortMonthNames, m);
                    while (shortName.endsWith(QLatin1Char('.')))
                        shortName.chop(1);
                    if (field.compare(nameAt(f.longMonthNames, m), Qt::CaseInsensitive) == 0 ||
                        field.compare(shortName, Qt::CaseInsensitive) == 0)
                        month = m + 1;
                }
            }
            break;
        default:
            if (!isNumber)
                return QDate();
            year = value;
            if (field.size() <= 2) {
                // Two-digit years fall within fifty years of this one.
                const int threshold = now().date().year() - 50;
                year += threshold - threshold % 100;
                if (year < threshold)
                    year += 100;
            }
        }
    }
    const QDate date(year, month, day);
    return date.isValid() ? date : QDate();
}

} // namespace corvane
