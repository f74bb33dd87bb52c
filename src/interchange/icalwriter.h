#pragma once

#include "store/tasktable.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <functional>

namespace corvane {

// Which tasks an export takes: the store rows (with their day) and, when asked, the non-date rows.
struct IcalSelection {
    std::function<bool(int storeRow, int day)> dateTask = [](int, int) { return true; };
    bool nonDateTasks = false;
    std::function<bool(int nondayRow)> nonDateTask = [](int) { return true; };
};

// The tasks as an iCalendar file. A date task becomes a VEVENT at its day and time (floating local time,
// so every program shows it at the same clock time), with its category, its whole text (the first line as
// the summary), its done state and a VALARM when its alarm is on. A non-date task becomes a VTODO without
// dates. `stamp` is the DTSTAMP of every component.
QByteArray writeICalendar(const TaskTable &store, const TaskTable &nonday, const IcalSelection &selection,
                          const QDateTime &stamp);

// Writes the bytes through a temporary file, so a failed save leaves the old file whole.
[[nodiscard]] bool saveICalendar(const QByteArray &bytes, const QString &fileName, QString *error);

} // namespace corvane
