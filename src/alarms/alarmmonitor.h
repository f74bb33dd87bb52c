#pragma once

#include "store/routines.h"
#include "store/tasktable.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace corvane {

// A task an alarm is about, known by what the store keeps of it (its key changes when its day is
// written back).
struct AlarmTask {
    int day = 0;
    QString time;
    QString category;
    QString what;
    bool operator==(const AlarmTask &) const = default;
};

// An alarm waiting to ring: a snoozed one, or one that fell due while nobody looked.
struct PendingAlarm {
    AlarmTask task;
    QDateTime ringAt;
    bool missed = false;
    bool operator==(const PendingAlarm &) const = default;
};

// An alarm to raise: its task and the panel's caption.
struct RaisedAlarm {
    AlarmTask task;
    QString caption;
};

// The options the alarms follow: "&Play alarm file?" and the minutes ahead.
struct AlarmOptions {
    bool playAlarm = true;
    int minutesAhead = 0;
};

// Keeps alarms from being lost. It remembers the moment of the last check in the settings; at start, and
// when a check comes more than two minutes after the one before (a suspend, a busy machine), every task
// with its alarm on, not done, whose alarm moment fell in between (at most the last 24 hours) waits to be
// raised as missed, one after another. A snoozed alarm waits for its moment, also across a restart. A
// waiting alarm ends when it is cleared, or when its task is done, gone or has its alarm switched off.
// Waiting alarms and the last check live in the settings section "Alarms".
class AlarmMonitor {
public:
    static constexpr int gapSeconds = 120;
    static constexpr int catchUpHours = 24;

    // Reads the last check and the waiting alarms from the settings.
    AlarmMonitor();

    // At start: queues what fell due since the last check of an earlier run and answers the first alarm
    // due, if any. Before any check was ever made, there is nothing to catch up.
    std::optional<RaisedAlarm> start(const TaskTable &store, const AlarmOptions &options,
                                     const RowFilter &filter);
    // A tick of the alarm trigger: remembers the moment, queues the alarms of a gap, drops alarms that
    // ended. Unless an alarm is showing, answers the alarm to raise: a waiting one that is due first, else
    // a task of this minute (the ordinary check).
    std::optional<RaisedAlarm> check(const TaskTable &store, const AlarmOptions &options,
                                     const RowFilter &filter, bool showing);
    // The next waiting alarm that is due, after the one shown was cleared or snoozed.
    std::optional<RaisedAlarm> nextDue(const TaskTable &store, const AlarmOptions &options);

    // The alarm shown rings again `minutes` from now. False when the settings could not be written.
    [[nodiscard]] bool snoozeShown(int minutes, QString *error = nullptr);
    // The alarm shown was cleared: it stops waiting.
    [[nodiscard]] bool clearShown(QString *error = nullptr);

    const QList<PendingAlarm> &pending() const { return m_pending; }
    QDateTime lastCheck() const { return m_lastCheck; }

private:
    void queueMissed(const TaskTable &store, const QDateTime &from, const QDateTime &to,
                     const AlarmOptions &options, const RowFilter &filter);
    void dropEnded(const TaskTable &store);
    std::optional<RaisedAlarm> raise(const PendingAlarm &alarm);
    void rememberCheck(const QDateTime &moment);
    bool savePending(QString *error);

    QDateTime m_lastCheck;
    QList<PendingAlarm> m_pending;
    std::optional<AlarmTask> m_shown;
};

// The store row holding the task, or -1.
int findAlarmTask(const TaskTable &store, const AlarmTask &task);

} // namespace corvane
