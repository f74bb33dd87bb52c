#include "interchange/icalwriter.h"

#include "editing/taskrules.h"
#include "interchange/icaltask.h"
#include "store/dateformats.h"
#include "store/daynumber.h"
#include "store/routines.h"

#include <QCryptographicHash>
#include <QHash>
#include <QSaveFile>
#include <QTime>

#include <libical/ical.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>

namespace corvane {

namespace {

struct ComponentDeleter {
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentDeleter>;

// Texts go to libical with LF line ends; the store keeps CR LF.
QByteArray icalText(const QString &text) {
    QString lf = text;
    lf.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return lf.toUtf8();
}

QByteArray icalBytes(icalcomponent *component) {
    char *text = icalcomponent_as_ical_string_r(component);
    const QByteArray bytes(text);
    std::free(text);
    return bytes;
}

QString firstLine(const QString &text) {
    const auto end = std::find_if(text.begin(), text.end(), [](QChar c) { return c == u'\r' || c == u'\n'; });
    return text.left(end - text.begin());
}

// The same task gives the same UID in every export, so calendars that re-import a file update their copy.
class UidMaker {
public:
    QByteArray make(const QStringList &fields) {
        const QByteArray digest =
            QCryptographicHash::hash(fields.join(QChar(0)).toUtf8(), QCryptographicHash::Sha1)
                .toHex()
                .left(24);
        const int repeat = m_seen[digest]++;
        return digest + (repeat ? "-" + QByteArray::number(repeat) : QByteArray()) + "@corvane";
    }

private:
    QHash<QByteArray, int> m_seen;
};

void addText(icalcomponent *component, icalproperty *(*make)(const char *), const QString &text) {
    if (!text.isEmpty())
        icalcomponent_add_property(component, make(icalText(text).constData()));
}

void addX(icalcomponent *component, const char *name, const QString &value) {
    // Base64 never holds "-", which stands for the empty text (a property needs a value).
    const QByteArray encoded = value.isEmpty() ? QByteArray("-") : value.toUtf8().toBase64();
    icalproperty *property = icalproperty_new_x(encoded.constData());
    icalproperty_set_x_name(property, name);
    icalcomponent_add_property(component, property);
}

void addDone(icalcomponent *component) {
    icalproperty *property = icalproperty_new_x("Yes");
    icalproperty_set_x_name(property, doneProperty);
    icalcomponent_add_property(component, property);
}

bool trimmedByReaders(const QString &text) {
    return !text.isEmpty() && (text.front().isSpace() || text.back().isSpace());
}

// Summary, description (only when the text has more than one line), category.
void addTexts(icalcomponent *component, const QString &category, const QString &what) {
    const QString summary = firstLine(what);
    addText(component, icalproperty_new_summary, summary);
    if (summary != what)
        addText(component, icalproperty_new_description, what);
    if (trimmedByReaders(what))
        addX(component, textProperty, what);
    addText(component, icalproperty_new_categories, category);
    if (category.contains(QLatin1Char(',')) || trimmedByReaders(category))
        addX(component, categoryProperty, category);
}

icaltimetype floatingTime(const QDate &date, const QTime &time, bool dateOnly) {
    icaltimetype t = icaltime_null_time();
    t.year = date.year();
    t.month = date.month();
    t.day = date.day();
    t.is_date = dateOnly ? 1 : 0;
    if (!dateOnly) {
        t.hour = time.hour();
        t.minute = time.minute();
        t.second = time.second();
    }
    return t;
}

icalcomponent *displayAlarm(const QString &what) {
    icalcomponent *alarm = icalcomponent_new(ICAL_VALARM_COMPONENT);
    icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
    icaltriggertype trigger;
    trigger.time = icaltime_null_time();
    trigger.duration = icaldurationtype_null_duration();
    icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
    const QString summary = firstLine(what);
    icalcomponent_add_property(
        alarm, icalproperty_new_description(icalText(summary.isEmpty() ? QStringLiteral("Alarm") : summary)));
    return alarm;
}

icalcomponent *dateEvent(const QStringList &row, int day, const icaltimetype &stamp, UidMaker &uids) {
    icalcomponent *event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    const QString &timeText = row[StoreTime];
    icalcomponent_add_property(
        event,
        icalproperty_new_uid(
            uids.make({QString::number(day), timeText, row[StoreCategory], row[StoreWhat]}).constData()));
    icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));

    // A Time text that is no time of day goes out as an all-day event; the text itself comes back through
    // the time property, as does a text the short time format would not give back.
    const double value = readTime(timeText);
    const bool isTime = value >= 0.0 && value < 1.0;
    const QTime time = QTime::fromMSecsSinceStartOfDay(isTime ? int(std::llround(value * 86'400'000.0)) : 0);
    icalcomponent_add_property(event, icalproperty_new_dtstart(floatingTime(dateOfDay(day), time, !isTime)));
    if (!isTime ||
        formatWithLocalePattern(formats().shortTime, QDateTime(QDate(2000, 1, 1), time, Qt::UTC)) != timeText)
        addX(event, timeProperty, timeText);

    addTexts(event, row[StoreCategory], row[StoreWhat]);
    if (row[StoreDone] == QLatin1String("Yes"))
        addDone(event);
    if (row[StoreAlarm] == QLatin1String("Yes"))
        icalcomponent_add_component(event, displayAlarm(row[StoreWhat]));
    return event;
}

icalcomponent *nonDateTodo(const TaskTable &nonday, int row, const icaltimetype &stamp, UidMaker &uids) {
    icalcomponent *todo = icalcomponent_new(ICAL_VTODO_COMPONENT);
    const QString &category = nonday.cell(NondayCategory, row);
    const QString &what = nonday.cell(NondayWhat, row);
    const bool done = nonday.cell(NondayDone, row) == QLatin1String("Yes");
    icalcomponent_add_property(todo, icalproperty_new_uid(uids.make({category, what}).constData()));
    icalcomponent_add_property(todo, icalproperty_new_dtstamp(stamp));
    addTexts(todo, category, what);
    icalcomponent_add_property(
        todo, icalproperty_new_status(done ? ICAL_STATUS_COMPLETED : ICAL_STATUS_NEEDSACTION));
    return todo;
}

} // namespace

QByteArray writeICalendar(const TaskTable &store, const TaskTable &nonday, const IcalSelection &selection,
                          const QDateTime &stamp) {
    Component calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    icalcomponent_add_property(calendar.get(),
                               icalproperty_new_prodid("-//Halvering Corporation//Corvane//EN"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    // Each component is written and freed in turn, so a big store never stands as one tree in memory.
    QByteArray bytes = icalBytes(calendar.get());
    const QByteArray end = "END:VCALENDAR\r\n";
    bytes.chop(end.size());
    bytes.reserve(store.rowCount() * 300);
    const auto append = [&bytes](icalcomponent *component) {
        bytes += icalBytes(component);
        icalcomponent_free(component);
    };

    const icaltimetype stampTime =
        icaltime_from_timet_with_zone(stamp.toSecsSinceEpoch(), 0, icaltimezone_get_utc_timezone());
    UidMaker uids;
    for (int row = 1; row < store.rowCount(); ++row) {
        const QString &key = store.cell(StoreKey, row);
        const int day = dayOfKey(key);
        if (!key.isEmpty() && day > 0 && selection.dateTask(row, day))
            append(dateEvent(store.rowCells(row), day, stampTime, uids));
    }
    if (selection.nonDateTasks) {
        for (int row = 1; row < nonday.rowCount(); ++row)
            if (isTaskRow(nonday, TaskList::Nonday, row) && selection.nonDateTask(row))
                append(nonDateTodo(nonday, row, stampTime, uids));
    }
    return bytes + end;
}

bool saveICalendar(const QByteArray &bytes, const QString &fileName, QString *error) {
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    if (error)
        *error = QStringLiteral("Could not save ") + fileName + QStringLiteral(": ") + file.errorString();
    return false;
}

} // namespace corvane
