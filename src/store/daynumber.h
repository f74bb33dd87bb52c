#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

namespace corvane {

// Day numbers count whole days since 30 December 1899 (1 January 2000 is day 36526). A date-time value is
// a day number plus the fraction of the day elapsed.
int dayNumber(const QDate &date);
QDate dateOfDay(int dayNumber);
double dateTimeValue(const QDateTime &moment);
QDateTime dateTimeOfValue(double value);
// The whole day of a date-time value (fraction dropped, also for values before 1899).
int dayOfValue(double value);

// Store keys: "<day>.<sequence>", for example "36526.101".
QString storeKey(int dayNumber, int sequence);
// The day of a store key, read as a number with a period as the decimal point; an unreadable key is day 0.
int dayOfKey(const QString &key);
// Store keys in store order: by day as a number, then by the sequence as text (so 36526.1000 comes between
// 36526.100 and 36526.101, and day 9999 before day 10000).
int compareStoreKeys(const QString &a, const QString &b);

} // namespace corvane
