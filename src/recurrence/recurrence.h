#pragma once

#include <QDate>

#include <array>
#include <functional>

namespace corvane {

// The five kinds of repetition, in the order the dialog offers them.
enum class RecurrenceKind { WeekOfMonth, DaysOfMonth, Weekly, Daily, Annual };

// One repetition rule as the dialog's controls hold it. Weekdays are indexed Sunday = 0 ... Saturday = 6.
struct RecurrenceRule {
    RecurrenceKind kind = RecurrenceKind::WeekOfMonth;
    int interval = 1;               // days, weeks or months of the kind; unused for Annual
    std::array<bool, 7> weekdays{}; // Weekly and WeekOfMonth
    std::array<bool, 5> ordinals{}; // WeekOfMonth: 1st, 2nd, 3rd, 4th, Last
    std::array<bool, 36> days{};    // DaysOfMonth: index d - 1 for day d; 31 to 35 are never set
    bool avoidSaturday = false;     // Daily and DaysOfMonth
    bool avoidSunday = false;
    QDate start;
    QDate end;
};

// The longest run: end − start may be at most this many days.
constexpr int maxRecurrenceSpan = 7400;
// True when the run from start to end is longer than the limit.
bool spanTooLong(const QDate &start, const QDate &end);

bool IsLeapYear(int year);
int LastDayOfMonth(int year, int month);
// True when the triple names a date (no 31 April, no 29 February outside leap years).
bool isValidDate(int year, int month, int day);
// Advances (month, year) by n months.
void incrementMonth(int &month, int &year, int n);
// The nth (1 to 4) or last (n = 5) weekday (Sunday = 1 ... Saturday = 7) of the month of `monthDate`.
QDate nthToDate(int n, int weekday, const QDate &monthDate);

// Produces the dates of a rule in the order the rule makes them, each through insertDate, and hands the
// accepted ones to the preview list. The list answers false when it refuses a date (it is full); from
// then on, until the next run, no candidate is accepted.
class RecurrenceGenerator {
public:
    using Append = std::function<bool(const QDate &)>;
    explicit RecurrenceGenerator(Append append) : m_append(std::move(append)) {}

    // One run of the rule: sets the list-accepting flag, then runs the generator of the rule's kind.
    // The caller checks the span and clears the list first.
    void run(const RecurrenceRule &rule);

    // The acceptance step of every candidate: inside [start, end] and while the list accepts.
    void insertDate(const QDate &date);

    bool listAccepting = true;

private:
    void doDaily(const RecurrenceRule &rule);
    void doWeekly(const RecurrenceRule &rule);
    void doDayofMonth(const RecurrenceRule &rule);
    void doWeekOfMonth(const RecurrenceRule &rule);
    void doAnnual();
    void insertNth(bool enabled, int n, const QDate &monthDate, const RecurrenceRule &rule);

    Append m_append;
    QDate m_start, m_end;
};

} // namespace corvane
