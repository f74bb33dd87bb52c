#pragma once

#include "interchange/icaltask.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace corvane {

// A repeating component yields its occurrences over at most this many days from its start, as a run of
// the recurrence dialog does, and at most this many occurrences (a daily run's count).
inline constexpr int repeatSpanDays = 7400;
inline constexpr int repeatMaxOccurrences = 7401;
// No file yields more tasks than this.
inline constexpr int importMaxTasks = 500'000;

// What an iCalendar file holds, as tasks.
struct IcalReading {
    QList<IcalTask> tasks;
    // One line for each component that gave no task, e.g. VJOURNAL "Notes".
    QStringList notUnderstood;
    // Repeating components whose occurrences were cut at the bounds above.
    int cutRepeats = 0;
    // True when the file held more tasks than importMaxTasks.
    bool tooMany = false;
};

// Told now and then how far the reading is: components looked at, of all.
using ReadProgress = std::function<void(int done, int total)>;

// Reads VEVENT and VTODO components: local, UTC and TZID times become local times, all-day events start at
// midnight, repeats are expanded one task per occurrence (RRULE, RDATE, EXDATE, overridden occurrences),
// CATEGORIES make the category, SUMMARY and DESCRIPTION the text, a VALARM the alarm, a completed to-do
// the done state. A component without any date becomes a non-date task. Text that is not UTF-8 is read
// as UTF-16 (with its byte-order mark) or Windows-1252. Fails with a message when the bytes hold no
// iCalendar data at all.
[[nodiscard]] bool readICalendar(const QByteArray &bytes, IcalReading &reading, QString *error,
                                 const ReadProgress &progress = {});
// The same for a file; also fails when the file cannot be read.
[[nodiscard]] bool readICalendarFile(const QString &fileName, IcalReading &reading, QString *error,
                                     const ReadProgress &progress = {});

} // namespace corvane
