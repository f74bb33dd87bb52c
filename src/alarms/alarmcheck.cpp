#include "alarms/alarmcheck.h"

#include "store/clock.h"
#include "store/daynumber.h"

#include <QTime>

#include <cmath>

namespace corvane {

namespace {

// Minutes since midnight of a time-of-day value, or -1 when the value is not a time of day. The time
// reading answers the current moment (a value with a date part) for text that is not a time; such a
// row would otherwise match every check and ring for ever.
int minuteOfDay(double value) {
    if (!(value >= 0.0 && value < 1.0))
        return -1;
    const qint64 ms = std::llround(value * 86'400'000.0);
    return int(ms / 60'000) % 1440;
}

} // namespace

int alarmReadyRow(const TaskTable &store, bool playAlarm, int minutesAhead, const RowFilter &filter) {
    if (!playAlarm)
        return -1;
    const QDateTime moment = now();
    const int first = firstRowOfDay(store, dayNumber(moment.date()), filter);
    if (first <= 0)
        return -1;

    // Only the clock time of the target counts: past midnight it still looks at today's rows.
    const QTime target = moment.time().addSecs(qint64(minutesAhead) * 60);
    const int targetMinute = target.hour() * 60 + target.minute();

    const int last = std::min(first + dayRowCount(store, first, filter), store.rowCount());
    for (int row = first; row < last; ++row) {
        const QString &timeText = store.cell(StoreTime, row);
        if (timeText.isEmpty() || store.cell(StoreAlarm, row) != QLatin1String("Yes"))
            continue;
        if (alarmMinuteOfDay(timeText) == targetMinute)
            return row;
    }
    return -1;
}

bool isThereAnAlarmReady(const TaskTable &store, bool playAlarm, int minutesAhead, const RowFilter &filter,
                         QString &what, QString &time) {
    what.clear();
    const int row = alarmReadyRow(store, playAlarm, minutesAhead, filter);
    if (row < 0)
        return false;
    what = store.cell(StoreWhat, row);
    time = store.cell(StoreTime, row);
    return true;
}

int alarmMinuteOfDay(const QString &timeText) {
    return minuteOfDay(readTime(timeText));
}

namespace {

QString caption(const QString &lead, const QString &what, const QString &when) {
    int length = 40;
    if (what.size() > length && what.at(length - 1).isHighSurrogate())
        ++length; // never cut a character in half
    return lead + QStringLiteral(" \"") + what.left(length) + QStringLiteral("\" at ") + when +
           QStringLiteral(" ... click panel to clear");
}

} // namespace

QString alarmCaption(const QString &what, const QString &time) {
    return caption(QStringLiteral("Alarm"), what, time);
}

QString missedAlarmCaption(const QString &what, const QString &time, const QString &date) {
    return caption(QStringLiteral("Missed alarm"), what,
                   date.isEmpty() ? time : time + QStringLiteral(" on ") + date);
}

QString toggledAlarm(const QString &alarm) {
    return yesNo(alarm != QLatin1String("Yes"));
}

} // namespace corvane
