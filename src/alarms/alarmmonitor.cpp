#include "alarms/alarmmonitor.h"

#include "alarms/alarmcheck.h"
#include "settings/settingsstore.h"
#include "store/clock.h"
#include "store/dateformats.h"
#include "store/daynumber.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace corvane {

namespace {

const QString section = QStringLiteral("Alarms");
const QString lastCheckName = QStringLiteral("LastCheck");
const QString pendingName = QStringLiteral("Pending");

QDateTime startOfMinute(const QDateTime &moment) {
    const QTime time = moment.time();
    return QDateTime(moment.date(), QTime(time.hour(), time.minute()));
}

AlarmTask taskOfRow(const TaskTable &store, int row) {
    return AlarmTask{dayOfKey(store.cell(StoreKey, row)), store.cell(StoreTime, row),
                     store.cell(StoreCategory, row), store.cell(StoreWhat, row)};
}

QString pendingText(const QList<PendingAlarm> &pending) {
    QJsonArray list;
    for (const PendingAlarm &alarm : pending) {
        list.append(QJsonObject{{"ringAt", alarm.ringAt.toString(Qt::ISODate)},
                                {"missed", alarm.missed},
                                {"day", alarm.task.day},
                                {"time", alarm.task.time},
                                {"category", alarm.task.category},
                                {"what", alarm.task.what}});
    }
    return QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Compact));
}

// An unreadable list is an empty one: a lost snooze is better than no alarms at all.
QList<PendingAlarm> pendingOfText(const QString &text) {
    QList<PendingAlarm> pending;
    for (const QJsonValue &value : QJsonDocument::fromJson(text.toUtf8()).array()) {
        const QJsonObject o = value.toObject();
        PendingAlarm alarm{
            AlarmTask{o["day"].toInt(), o["time"].toString(), o["category"].toString(), o["what"].toString()},
            QDateTime::fromString(o["ringAt"].toString(), Qt::ISODate), o["missed"].toBool()};
        if (alarm.ringAt.isValid() && alarm.task.day > 0)
            pending << alarm;
    }
    return pending;
}

} // namespace

int findAlarmTask(const TaskTable &store, const AlarmTask &task) {
    const int first = firstRowOfDay(store, task.day, passAll);
    for (int row = std::max(first, 1); first > 0 && row < store.rowCount(); ++row) {
        if (dayOfKey(store.cell(StoreKey, row)) != task.day)
            break;
        if (taskOfRow(store, row) == task)
            return row;
    }
    return -1;
}

AlarmMonitor::AlarmMonitor() {
    const SettingsStore settings;
    m_lastCheck = QDateTime::fromString(settings.readText(section, lastCheckName, QString()), Qt::ISODate);
    m_pending = pendingOfText(settings.readText(section, pendingName, QString()));
}

std::optional<RaisedAlarm> AlarmMonitor::start(const TaskTable &store, const AlarmOptions &options,
                                               const RowFilter &filter) {
    if (!m_lastCheck.isValid())
        return std::nullopt;
    const QDateTime moment = now();
    if (options.playAlarm)
        queueMissed(store, m_lastCheck, moment, options, filter);
    rememberCheck(moment);
    dropEnded(store);
    return nextDue(store, options);
}

std::optional<RaisedAlarm> AlarmMonitor::check(const TaskTable &store, const AlarmOptions &options,
                                               const RowFilter &filter, bool showing) {
    const QDateTime moment = now();
    if (options.playAlarm && m_lastCheck.isValid() && m_lastCheck.secsTo(moment) > gapSeconds)
        queueMissed(store, m_lastCheck, moment, options, filter);
    rememberCheck(moment);
    dropEnded(store);
    if (showing)
        return std::nullopt;
    if (std::optional<RaisedAlarm> waiting = nextDue(store, options))
        return waiting;
    const int row = alarmReadyRow(store, options.playAlarm, options.minutesAhead, filter);
    if (row < 0)
        return std::nullopt;
    m_shown = taskOfRow(store, row);
    return RaisedAlarm{*m_shown, alarmCaption(m_shown->what, m_shown->time)};
}

std::optional<RaisedAlarm> AlarmMonitor::nextDue(const TaskTable &store, const AlarmOptions &options) {
    if (!options.playAlarm)
        return std::nullopt;
    dropEnded(store);
    const QDateTime moment = now();
    const auto due = std::min_element(m_pending.begin(), m_pending.end(),
                                      [](const auto &a, const auto &b) { return a.ringAt < b.ringAt; });
    if (due == m_pending.end() || due->ringAt > moment)
        return std::nullopt;
    return raise(*due);
}

std::optional<RaisedAlarm> AlarmMonitor::raise(const PendingAlarm &alarm) {
    m_shown = alarm.task;
    if (!alarm.missed)
        return RaisedAlarm{alarm.task, alarmCaption(alarm.task.what, alarm.task.time)};
    const QDate date = dateOfDay(alarm.task.day);
    const QString dateText = date == now().date()
                                 ? QString()
                                 : formatWithLocalePattern(formats().shortDate, QDateTime(date, QTime()));
    return RaisedAlarm{alarm.task, missedAlarmCaption(alarm.task.what, alarm.task.time, dateText)};
}

bool AlarmMonitor::snoozeShown(int minutes, QString *error) {
    if (!m_shown)
        return true;
    const AlarmTask task = *m_shown;
    m_shown.reset();
    m_pending.removeIf([&](const PendingAlarm &alarm) { return alarm.task == task; });
    m_pending << PendingAlarm{task, now().addSecs(qint64(minutes) * 60), false};
    return savePending(error);
}

bool AlarmMonitor::clearShown(QString *error) {
    if (!m_shown)
        return true;
    const AlarmTask task = *m_shown;
    m_shown.reset();
    if (m_pending.removeIf([&](const PendingAlarm &alarm) { return alarm.task == task; }) == 0)
        return true;
    return savePending(error);
}

// The alarm moments in the whole minutes after the last check's and before this one's (which the ordinary
// check looks at), at most catchUpHours back.
void AlarmMonitor::queueMissed(const TaskTable &store, const QDateTime &from, const QDateTime &to,
                               const AlarmOptions &options, const RowFilter &filter) {
    const QDateTime end = startOfMinute(to);
    const QDateTime begin = std::max(startOfMinute(from).addSecs(60), end.addSecs(-catchUpHours * 3600));
    if (begin >= end)
        return;
    const qint64 ahead = qint64(options.minutesAhead) * 60;
    QList<PendingAlarm> missed;
    for (int day = dayNumber(begin.addSecs(ahead).date()); day <= dayNumber(end.addSecs(ahead).date());
         ++day) {
        const int first = firstRowOfDay(store, day, passAll);
        for (int row = std::max(first, 1); first > 0 && row < store.rowCount(); ++row) {
            if (dayOfKey(store.cell(StoreKey, row)) != day)
                break;
            if (store.cell(StoreAlarm, row) != QLatin1String("Yes") ||
                store.cell(StoreDone, row) == QLatin1String("Yes") ||
                !filter(store.cell(StoreDone, row), store.cell(StoreCategory, row)))
                continue;
            const int minute = alarmMinuteOfDay(store.cell(StoreTime, row));
            if (minute < 0)
                continue;
            const QDateTime moment =
                QDateTime(dateOfDay(day), QTime(minute / 60, minute % 60)).addSecs(-ahead);
            const AlarmTask task = taskOfRow(store, row);
            const bool waiting = std::any_of(m_pending.begin(), m_pending.end(),
                                             [&](const PendingAlarm &alarm) { return alarm.task == task; });
            if (moment >= begin && moment < end && !waiting)
                missed << PendingAlarm{task, moment, true};
        }
    }
    if (missed.isEmpty())
        return;
    std::stable_sort(missed.begin(), missed.end(),
                     [](const auto &a, const auto &b) { return a.ringAt < b.ringAt; });
    m_pending += missed;
    QString ignored;
    (void)savePending(&ignored);
}

void AlarmMonitor::dropEnded(const TaskTable &store) {
    const auto ended = [&](const PendingAlarm &alarm) {
        const int row = findAlarmTask(store, alarm.task);
        return row < 0 || store.cell(StoreDone, row) == QLatin1String("Yes") ||
               store.cell(StoreAlarm, row) != QLatin1String("Yes");
    };
    if (m_pending.removeIf(ended) > 0) {
        QString ignored;
        (void)savePending(&ignored);
    }
}

// The moment is written at every check; a failure there only costs a catch-up, so it is not reported.
void AlarmMonitor::rememberCheck(const QDateTime &moment) {
    m_lastCheck = moment;
    SettingsStore settings;
    settings.writeText(section, lastCheckName, moment.toString(Qt::ISODate));
    (void)settings.sync();
}

bool AlarmMonitor::savePending(QString *error) {
    SettingsStore settings;
    settings.writeText(section, pendingName, pendingText(m_pending));
    return settings.sync(error);
}

} // namespace corvane
