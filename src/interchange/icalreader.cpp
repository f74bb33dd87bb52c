#include "interchange/icalreader.h"

#include "store/dateformats.h"
#include "store/daynumber.h"
#include "store/routines.h"
#include "store/textcodec.h"

#include <QDateTime>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QStringDecoder>
#include <QTimeZone>

#include <libical/ical.h>

#include <algorithm>
#include <memory>
#include <optional>

namespace corvane {

namespace {

// Files larger than this are refused before they are parsed.
constexpr qint64 maxFileSize = 512LL * 1024 * 1024;

struct ComponentDeleter {
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentDeleter>;

QString fromIcal(const char *text) {
    return text ? QString::fromUtf8(text) : QString();
}

// Line ends of texts become the store's CR LF.
QString storeLines(const QString &text) {
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return lines;
}

// Corvane's own files carry the whole text in the description, its first line in the summary. Other
// programs keep a title and a separate description: the task's text is then the title and the lines of
// the description.
QString taskText(const QString &summary, const QString &description) {
    if (description.isEmpty())
        return storeLines(summary);
    const QString text = storeLines(description);
    if (summary.isEmpty() || text.section(QLatin1String("\r\n"), 0, 0) == summary)
        return text;
    QStringList lines{summary};
    lines += text.split(QLatin1String("\r\n"));
    return joinMemoLines(lines);
}

std::optional<QString> xValue(icalcomponent *component, const char *name) {
    for (icalproperty *p = icalcomponent_get_first_property(component, ICAL_X_PROPERTY); p;
         p = icalcomponent_get_next_property(component, ICAL_X_PROPERTY)) {
        if (qstrcmp(icalproperty_get_x_name(p), name) == 0)
            return fromIcal(icalproperty_get_x(p));
    }
    return std::nullopt;
}

// One of Corvane's exact copies of a text, when the component has it.
std::optional<QString> exactText(icalcomponent *component, const char *name) {
    const std::optional<QString> value = xValue(component, name);
    if (!value)
        return std::nullopt;
    if (*value == QLatin1String("-"))
        return QString();
    return QString::fromUtf8(QByteArray::fromBase64(value->toLatin1()));
}

// The parser drops a date it cannot read and leaves a note of it.
bool hasDateError(icalcomponent *component) {
    for (icalproperty *p = icalcomponent_get_first_property(component, ICAL_XLICERROR_PROPERTY); p;
         p = icalcomponent_get_next_property(component, ICAL_XLICERROR_PROPERTY)) {
        const QString note = fromIcal(icalproperty_get_xlicerror(p));
        if (note.contains(QLatin1String("DTSTART")) || note.contains(QLatin1String("DUE")))
            return true;
    }
    return false;
}

// Corvane's own category comes back whole; other programs' list of categories is joined by commas.
QString categories(icalcomponent *component) {
    if (const std::optional<QString> own = exactText(component, categoryProperty))
        return *own;
    QStringList names;
    for (icalproperty *p = icalcomponent_get_first_property(component, ICAL_CATEGORIES_PROPERTY); p;
         p = icalcomponent_get_next_property(component, ICAL_CATEGORIES_PROPERTY))
        names << fromIcal(icalproperty_get_categories(p));
    return names.join(QLatin1Char(','));
}

bool isDone(icalcomponent *component) {
    if (xValue(component, doneProperty) == QStringLiteral("Yes"))
        return true;
    if (icalcomponent_get_first_property(component, ICAL_STATUS_PROPERTY) &&
        icalcomponent_get_status(component) == ICAL_STATUS_COMPLETED)
        return true;
    if (icalcomponent_get_first_property(component, ICAL_COMPLETED_PROPERTY))
        return true;
    icalproperty *percent = icalcomponent_get_first_property(component, ICAL_PERCENTCOMPLETE_PROPERTY);
    return percent && icalproperty_get_percentcomplete(percent) >= 100;
}

// A moment of the file as the local clock shows it; `allDay` for a date without a time. The clock time is
// held in a UTC date-time, so comparing and formatting moments looks up no time zone.
struct Moment {
    QDateTime local;
    bool allDay = false;
};

QDateTime wallClock(const QDateTime &moment) {
    const QDateTime local = moment.toLocalTime();
    return QDateTime(local.date(), local.time(), Qt::UTC);
}

// Converts a libical time: UTC and zoned times to local time, floating times and dates as they are.
// `tzid` names the zone when libical found no definition for it.
std::optional<Moment> localMoment(icaltimetype t, const QString &tzid) {
    if (icaltime_is_null_time(t) || !icaltime_is_valid_time(t))
        return std::nullopt;
    const QDate date(t.year, t.month, t.day);
    if (!date.isValid() || date.year() > 9999 || dayNumber(date) < 1)
        return std::nullopt;
    if (t.is_date)
        return Moment{QDateTime(date, QTime(0, 0), Qt::UTC), true};
    const QTime time(t.hour, t.minute, std::min(t.second, 59));
    if (!time.isValid())
        return std::nullopt;
    if (icaltime_is_utc(t))
        return Moment{wallClock(QDateTime(date, time, Qt::UTC))};
    if (t.zone)
        return Moment{wallClock(QDateTime::fromSecsSinceEpoch(icaltime_as_timet_with_zone(t, t.zone)))};
    if (!tzid.isEmpty()) {
        const QTimeZone zone(tzid.toUtf8());
        if (zone.isValid())
            return Moment{wallClock(QDateTime(date, time, zone))};
    }
    return Moment{QDateTime(date, time, Qt::UTC)};
}

QString tzidOf(icalproperty *property) {
    icalparameter *tzid =
        property ? icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER) : nullptr;
    return tzid ? fromIcal(icalparameter_get_tzid(tzid)) : QString();
}

QString describe(icalcomponent *component, const char *reason = nullptr) {
    QString line = fromIcal(icalcomponent_kind_to_string(icalcomponent_isa(component)));
    const QString summary = fromIcal(icalcomponent_get_summary(component));
    if (!summary.isEmpty())
        line += QStringLiteral(" \"") + summary.left(60) + QLatin1Char('"');
    if (reason)
        line += QStringLiteral(": ") + QLatin1String(reason);
    return line;
}

class Reader {
public:
    explicit Reader(IcalReading &reading) : m_reading(reading) {}

    void readCalendar(icalcomponent *calendar, const ReadProgress &progress) {
        QList<icalcomponent *> children;
        for (icalcomponent *c = icalcomponent_get_first_component(calendar, ICAL_ANY_COMPONENT); c;
             c = icalcomponent_get_next_component(calendar, ICAL_ANY_COMPONENT))
            children << c;
        collectOverrides(children);
        for (int i = 0; i < children.size() && !m_reading.tooMany; ++i) {
            readComponent(children[i]);
            if (progress && i % 1000 == 999)
                progress(i + 1, int(children.size()));
        }
    }

    void readComponent(icalcomponent *component) {
        const icalcomponent_kind kind = icalcomponent_isa(component);
        if (kind == ICAL_VTIMEZONE_COMPONENT)
            return;
        if (kind != ICAL_VEVENT_COMPONENT && kind != ICAL_VTODO_COMPONENT) {
            m_reading.notUnderstood << describe(component);
            return;
        }
        IcalTask task;
        task.category = categories(component);
        task.what = exactText(component, textProperty)
                        .value_or(taskText(fromIcal(icalcomponent_get_summary(component)),
                                           fromIcal(icalcomponent_get_description(component))));
        task.done = isDone(component);

        icalproperty *startProperty = icalcomponent_get_first_property(component, ICAL_DTSTART_PROPERTY);
        icaltimetype start = icalcomponent_get_dtstart(component);
        if (!startProperty && kind == ICAL_VTODO_COMPONENT) {
            startProperty = icalcomponent_get_first_property(component, ICAL_DUE_PROPERTY);
            start = icalcomponent_get_due(component);
        }
        if (!startProperty && hasDateError(component)) {
            m_reading.notUnderstood << describe(component, "no readable date");
            return;
        }
        if (!startProperty) {
            add(task); // no date: a non-date task
            return;
        }
        const QString tzid = tzidOf(startProperty);
        const std::optional<Moment> first = localMoment(start, tzid);
        if (!first) {
            m_reading.notUnderstood << describe(component, "no readable date");
            return;
        }
        task.alarm = icalcomponent_get_first_component(component, ICAL_VALARM_COMPONENT) != nullptr;
        const std::optional<QString> timeText = exactText(component, timeProperty);

        std::optional<QList<Moment>> moments = occurrences(component, start, *first, tzid);
        if (!moments) {
            m_reading.notUnderstood << describe(component, "repeat rule not understood");
            return;
        }
        for (const Moment &moment : *moments) {
            task.day = dayNumber(moment.local.date());
            task.time =
                timeText
                    ? *timeText
                    : formatWithLocalePattern(formats().shortTime,
                                              QDateTime(QDate(2000, 1, 1), moment.local.time(), Qt::UTC));
            add(task);
        }
    }

private:
    void add(const IcalTask &task) {
        if (m_reading.tasks.size() >= importMaxTasks) {
            m_reading.tooMany = true;
            return;
        }
        m_reading.tasks << task;
    }

    static QString overrideKey(const QString &uid, const QDateTime &moment) {
        return uid + QChar(0) + moment.toString(Qt::ISODate);
    }

    // Occurrences replaced by a component of their own (RECURRENCE-ID) are left out of the series.
    void collectOverrides(const QList<icalcomponent *> &children) {
        for (icalcomponent *c : children) {
            icalproperty *id = icalcomponent_get_first_property(c, ICAL_RECURRENCEID_PROPERTY);
            if (!id)
                continue;
            if (const auto moment = localMoment(icalcomponent_get_recurrenceid(c), tzidOf(id)))
                m_overrides.insert(overrideKey(fromIcal(icalcomponent_get_uid(c)), moment->local));
        }
    }

    // The first occurrence, the rule's ones and the extra dates, less the excluded ones, in time order;
    // bounded to repeatSpanDays from the start and repeatMaxOccurrences. Nothing when a rule is unusable.
    std::optional<QList<Moment>> occurrences(icalcomponent *component, icaltimetype start,
                                             const Moment &first, const QString &tzid) {
        QList<Moment> moments{first};
        if (icalcomponent_get_first_property(component, ICAL_RECURRENCEID_PROPERTY))
            return moments; // an overriding occurrence stands alone
        const int lastDay = dayNumber(first.local.date()) + repeatSpanDays;
        bool cut = false;
        const auto take = [&](icaltimetype t) {
            if (t.zone == nullptr && !icaltime_is_utc(t))
                t.zone = start.zone;
            const std::optional<Moment> moment = localMoment(t, tzid);
            if (moment && moment->local == first.local)
                return true; // the rule's own first occurrence
            if (!moment || dayNumber(moment->local.date()) > lastDay)
                return false;
            if (moments.size() >= repeatMaxOccurrences)
                return false;
            moments << *moment;
            return true;
        };

        for (icalproperty *p = icalcomponent_get_first_property(component, ICAL_RRULE_PROPERTY); p;
             p = icalcomponent_get_next_property(component, ICAL_RRULE_PROPERTY)) {
            const icalrecurrencetype rule = icalproperty_get_rrule(p);
            if (rule.freq == ICAL_NO_RECURRENCE)
                return std::nullopt;
            icalrecur_iterator *it = icalrecur_iterator_new(rule, start);
            if (!it)
                return std::nullopt;
            for (icaltimetype t = icalrecur_iterator_next(it); !icaltime_is_null_time(t);
                 t = icalrecur_iterator_next(it)) {
                if (!take(t)) {
                    cut = true; // an occurrence past the bounds
                    break;
                }
            }
            icalrecur_iterator_free(it);
        }
        for (icalproperty *p = icalcomponent_get_first_property(component, ICAL_RDATE_PROPERTY); p;
             p = icalcomponent_get_next_property(component, ICAL_RDATE_PROPERTY)) {
            const icaldatetimeperiodtype date = icalproperty_get_rdate(p);
            if (!take(icaltime_is_null_time(date.time) ? date.period.start : date.time))
                cut = true;
        }
        if (cut)
            ++m_reading.cutRepeats;

        QList<Moment> excluded;
        for (icalproperty *p = icalcomponent_get_first_property(component, ICAL_EXDATE_PROPERTY); p;
             p = icalcomponent_get_next_property(component, ICAL_EXDATE_PROPERTY)) {
            icaltimetype t = icalproperty_get_exdate(p);
            if (t.zone == nullptr && !icaltime_is_utc(t))
                t.zone = start.zone;
            if (const auto moment = localMoment(t, tzidOf(p).isEmpty() ? tzid : tzidOf(p)))
                excluded << *moment;
        }
        const QString uid = fromIcal(icalcomponent_get_uid(component));
        const auto dropped = [&](const Moment &m) {
            if (m_overrides.contains(overrideKey(uid, m.local)))
                return true;
            return std::any_of(excluded.begin(), excluded.end(), [&](const Moment &x) {
                return x.allDay ? x.local.date() == m.local.date() : x.local == m.local;
            });
        };
        moments.removeIf(dropped);
        std::stable_sort(moments.begin(), moments.end(),
                         [](const Moment &a, const Moment &b) { return a.local < b.local; });
        moments.erase(std::unique(moments.begin(), moments.end(),
                                  [](const Moment &a, const Moment &b) { return a.local == b.local; }),
                      moments.end());
        return moments;
    }

    IcalReading &m_reading;
    QSet<QString> m_overrides;
};

// The file as UTF-8: as it is when it is valid UTF-8, else decoded as UTF-16 or UTF-32 with a byte-order
// mark, or as Windows-1252.
QByteArray utf8Text(const QByteArray &bytes) {
    const std::optional<QStringConverter::Encoding> bom = QStringConverter::encodingForData(bytes);
    if (bom && *bom != QStringConverter::Utf8) {
        QStringDecoder decoder(*bom);
        return QString(decoder.decode(bytes)).toUtf8();
    }
    return bytes.isValidUtf8() ? bytes : decodeText(bytes).toUtf8();
}

bool readText(const QByteArray &bytes, IcalReading &reading, QString *error, const QString &name,
              const ReadProgress &progress) {
    const QByteArray text = utf8Text(bytes);
    const QLatin1String view(text.constData(), text.size());
    const bool looksRight = view.contains(QLatin1String("BEGIN:VCALENDAR"), Qt::CaseInsensitive) ||
                            view.contains(QLatin1String("BEGIN:VEVENT"), Qt::CaseInsensitive) ||
                            view.contains(QLatin1String("BEGIN:VTODO"), Qt::CaseInsensitive);
    Component root(looksRight ? icalparser_parse_string(text.constData()) : nullptr);
    if (!root) {
        if (error)
            *error = name + QStringLiteral(" holds no iCalendar data.");
        return false;
    }
    reading = IcalReading();
    Reader reader(reading);
    switch (icalcomponent_isa(root.get())) {
    case ICAL_XROOT_COMPONENT:
        for (icalcomponent *c = icalcomponent_get_first_component(root.get(), ICAL_ANY_COMPONENT); c;
             c = icalcomponent_get_next_component(root.get(), ICAL_ANY_COMPONENT)) {
            if (icalcomponent_isa(c) == ICAL_VCALENDAR_COMPONENT)
                reader.readCalendar(c, progress);
            else
                reader.readComponent(c);
        }
        break;
    case ICAL_VCALENDAR_COMPONENT:
        reader.readCalendar(root.get(), progress);
        break;
    default:
        reader.readComponent(root.get());
    }
    return true;
}

} // namespace

bool readICalendar(const QByteArray &bytes, IcalReading &reading, QString *error,
                   const ReadProgress &progress) {
    return readText(bytes, reading, error, QStringLiteral("The text"), progress);
}

bool readICalendarFile(const QString &fileName, IcalReading &reading, QString *error,
                       const ReadProgress &progress) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Could not read ") + fileName + QStringLiteral(": ") + file.errorString();
        return false;
    }
    if (file.size() > maxFileSize) {
        if (error)
            *error = QStringLiteral("The file ") + fileName + QStringLiteral(" is too large to import.");
        return false;
    }
    return readText(file.readAll(), reading, error, QStringLiteral("The file ") + fileName, progress);
}

} // namespace corvane
