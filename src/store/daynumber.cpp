#include "store/daynumber.h"

#include <cmath>

namespace corvane {

namespace {
const QDate epoch(1899, 12, 30);
}

int dayNumber(const QDate &date) {
    return date.isValid() ? int(epoch.daysTo(date)) : 0;
}

QDate dateOfDay(int dayNumber) {
    return epoch.addDays(dayNumber);
}

double dateTimeValue(const QDateTime &moment) {
    const QTime time = moment.time();
    return dayNumber(moment.date()) + time.msecsSinceStartOfDay() / 86'400'000.0;
}

int dayOfValue(double value) {
    if (!std::isfinite(value) || std::abs(value) > 1e8)
        return 0;
    return int(std::trunc(value));
}

QDateTime dateTimeOfValue(double value) {
    const int day = dayOfValue(value);
    const double fraction = std::abs(value - day);
    const int msecs = std::min(86'399'999, int(std::lround(fraction * 86'400'000.0)));
    return QDateTime(dateOfDay(day), QTime::fromMSecsSinceStartOfDay(msecs));
}

QString storeKey(int dayNumber, int sequence) {
    return QString::number(dayNumber) + QLatin1Char('.') + QString::number(sequence);
}

namespace {

// The whole-number part of a key; false when the key does not start like a number.
bool keyDay(QStringView key, qint64 &day, QStringView &sequence) {
    qsizetype i = 0;
    while (i < key.size() && key[i] == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < key.size() && (key[i] == QLatin1Char('-') || key[i] == QLatin1Char('+'))) {
        negative = key[i] == QLatin1Char('-');
        ++i;
    }
    const qsizetype start = i;
    qint64 value = 0;
    for (; i < key.size() && key[i].isDigit() && key[i].unicode() < 128; ++i) {
        if (value < 100'000'000)
            value = value * 10 + (key[i].unicode() - '0');
    }
    if (i == start)
        return false;
    day = negative ? -value : value;
    sequence = i < key.size() && key[i] == QLatin1Char('.') ? key.mid(i + 1) : key.mid(i);
    return true;
}

} // namespace

int dayOfKey(const QString &key) {
    qint64 day = 0;
    QStringView sequence;
    if (!keyDay(key, day, sequence) || day > 10'000'000 || day < -10'000'000)
        return 0;
    // The rest of the key must read as a fraction for the key to be a number at all.
    for (const QChar c : sequence)
        if (!(c.isDigit() && c.unicode() < 128))
            return 0;
    return int(day);
}

namespace {

// A key cut at its first period. It is plain when written as the program writes it: up to seven digits
// without a leading zero, a period, digits. Plain keys compare by day without being read as numbers.
struct KeyParts {
    QStringView day;
    QStringView sequence;
    bool plain = true;
};

KeyParts splitKey(QStringView key) {
    KeyParts parts;
    qsizetype dot = -1;
    for (qsizetype i = 0; i < key.size(); ++i) {
        const char16_t c = key[i].unicode();
        if (c == '.' && dot < 0)
            dot = i;
        else if (c < '0' || c > '9')
            parts.plain = false;
    }
    parts.day = dot < 0 ? key : key.left(dot);
    parts.sequence = dot < 0 ? QStringView() : key.mid(dot + 1);
    const qsizetype digits = parts.day.size();
    if (digits == 0 || digits > 7 || (digits > 1 && parts.day[0] == QLatin1Char('0')))
        parts.plain = false;
    return parts;
}

int sign(int value) {
    return value < 0 ? -1 : value > 0 ? 1 : 0;
}

} // namespace

int compareStoreKeys(const QString &a, const QString &b) {
    const KeyParts x = splitKey(a);
    const KeyParts y = splitKey(b);
    if (x.plain && y.plain) {
        if (x.day.size() != y.day.size())
            return x.day.size() < y.day.size() ? -1 : 1;
        const int byDay = x.day.compare(y.day);
        if (byDay != 0)
            return sign(byDay);
    } else {
        const int dayA = dayOfKey(a);
        const int dayB = dayOfKey(b);
        if (dayA != dayB)
            return dayA < dayB ? -1 : 1;
    }
    const int bySequence = x.sequence.compare(y.sequence);
    if (bySequence != 0)
        return sign(bySequence);
    return sign(a.compare(b));
}

} // namespace corvane
