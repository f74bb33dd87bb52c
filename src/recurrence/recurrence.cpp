#include "recurrence/recurrence.h"

#include "holidays/holidayrules.h"
#include "store/routines.h"

#include <algorithm>

namespace corvane {

namespace {

enum Weekday { Sunday = 1, Saturday = 7 };

bool avoided(const QDate &date, const RecurrenceRule &rule) {
    const int weekday = weekdaySundayFirst(date);
    return (weekday == Saturday && rule.avoidSaturday) || (weekday == Sunday && rule.avoidSunday);
}

bool weekdayChosen(const QDate &date, const RecurrenceRule &rule) {
    return rule.weekdays[weekdaySundayFirst(date) - 1];
}

// An interval below 1 would never move on.
int intervalOf(const RecurrenceRule &rule) {
    return std::max(1, rule.interval);
}

} // namespace

bool spanTooLong(const QDate &start, const QDate &end) {
    return start.daysTo(end) > maxRecurrenceSpan;
}

bool IsLeapYear(int year) {
    return LastDayOfMonth(year, 2) == 29;
}

int LastDayOfMonth(int year, int month) {
    return daysInMonth(month, year);
}

bool isValidDate(int year, int month, int day) {
    return QDate::isValid(year, month, day);
}

void incrementMonth(int &month, int &year, int n) {
    month += n;
    while (month >= 13) {
        ++year;
        month -= 12;
    }
}

QDate nthToDate(int n, int weekday, const QDate &monthDate) {
    return QDate(monthDate.year(), monthDate.month(),
                 NthWeekday(monthDate.year(), monthDate.month(), n, weekday));
}

void RecurrenceGenerator::run(const RecurrenceRule &rule) {
    listAccepting = true;
    m_start = rule.start;
    m_end = rule.end;
    if (!m_start.isValid() || !m_end.isValid())
        return;
    switch (rule.kind) {
    case RecurrenceKind::Daily:
        doDaily(rule);
        break;
    case RecurrenceKind::Weekly:
        doWeekly(rule);
        break;
    case RecurrenceKind::DaysOfMonth:
        doDayofMonth(rule);
        break;
    case RecurrenceKind::WeekOfMonth:
        doWeekOfMonth(rule);
        break;
    case RecurrenceKind::Annual:
        doAnnual();
        break;
    }
}

void RecurrenceGenerator::insertDate(const QDate &date) {
    if (date < m_start || date > m_end || !listAccepting)
        return;
    if (!m_append(date))
        listAccepting = false;
}

// An avoided day is dropped, not moved: the cycle keeps counting from the start.
void RecurrenceGenerator::doDaily(const RecurrenceRule &rule) {
    for (QDate cur = m_start; cur <= m_end; cur = cur.addDays(intervalOf(rule)))
        if (!avoided(cur, rule))
            insertDate(cur);
}

// Weeks run Sunday to Saturday; the week holding the start is the first.
void RecurrenceGenerator::doWeekly(const RecurrenceRule &rule) {
    QDate cur = m_start.addDays(1 - weekdaySundayFirst(m_start));
    while (cur <= m_end) {
        for (int i = 0; i < 7; ++i, cur = cur.addDays(1))
            if (weekdayChosen(cur, rule))
                insertDate(cur);
        cur = cur.addDays((intervalOf(rule) - 1) * 7);
    }
}

// A day the month lacks is skipped for that month, and an avoided day dropped, never moved.
void RecurrenceGenerator::doDayofMonth(const RecurrenceRule &rule) {
    int year = m_start.year();
    int month = m_start.month();
    for (QDate cur(year, month, 1); cur <= m_end; cur = QDate(year, month, 1)) {
        for (int day = 1; day <= 31; ++day) {
            if (!rule.days[day - 1] || !isValidDate(year, month, day))
                continue;
            const QDate date(year, month, day);
            if (!avoided(date, rule))
                insertDate(date);
        }
        incrementMonth(month, year, intervalOf(rule));
    }
}

// Within a month: all 1st-ordinal dates Sunday to Saturday, then the 2nd, 3rd, 4th and last ones.
void RecurrenceGenerator::doWeekOfMonth(const RecurrenceRule &rule) {
    int year = m_start.year();
    int month = m_start.month();
    for (QDate cur(year, month, 1); cur <= m_end; cur = QDate(year, month, 1)) {
        for (int n = 1; n <= 5; ++n)
            insertNth(rule.ordinals[n - 1], n, cur, rule);
        incrementMonth(month, year, intervalOf(rule));
    }
}

void RecurrenceGenerator::insertNth(bool enabled, int n, const QDate &monthDate, const RecurrenceRule &rule) {
    if (!enabled)
        return;
    for (int weekday = 1; weekday <= 7; ++weekday)
        if (rule.weekdays[weekday - 1])
            insertDate(nthToDate(n, weekday, monthDate));
}

// 29 February falls back to the 28th in other years; the remembered day stays 29.
void RecurrenceGenerator::doAnnual() {
    int year = m_start.year();
    const int month = m_start.month();
    const int day = m_start.day();
    for (QDate cur = m_start; cur <= m_end;) {
        insertDate(cur);
        ++year;
        cur = isValidDate(year, month, day) ? QDate(year, month, day) : QDate(year, month, day - 1);
    }
}

} // namespace corvane
