#pragma once

#include "store/tasktable.h"

#include <QDate>
#include <QHash>
#include <QString>

#include <memory>

namespace corvane {

// The holiday lookup the calendars ask for every day cell they paint: the same answer as holidayName(),
// from the rules evaluated once per year. It watches the table (as its observer) and forgets what it
// evaluated whenever the table changes; call invalidate() after replacing the table whole by assignment
// or after changing the month and weekday names of the format settings.
class HolidayLookup {
public:
    explicit HolidayLookup(TaskTable &table);
    ~HolidayLookup();
    HolidayLookup(const HolidayLookup &) = delete;
    HolidayLookup &operator=(const HolidayLookup &) = delete;

    QString name(const QDate &date) const;
    void invalidate();

private:
    struct Year {
        QList<QString> names; // by day of the year, from 1
        QList<bool> named;
    };
    struct Cache {
        QHash<int, Year> years;
    };
    Year evaluate(int year) const;

    TaskTable &m_table;
    std::shared_ptr<Cache> m_cache;
};

} // namespace corvane
