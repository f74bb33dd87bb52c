#include "holidays/holidaylookup.h"

#include "holidays/holidayrules.h"

namespace corvane {

namespace {
// The four calendars span two years at most; a few more cover the navigator's steps.
constexpr int kYearsKept = 8;
} // namespace

HolidayLookup::HolidayLookup(TaskTable &table) : m_table(table), m_cache(std::make_shared<Cache>()) {
    // Weak, so a copy of the table that carries this observer never touches a lookup that is gone.
    std::weak_ptr<Cache> cache = m_cache;
    m_table.setObserver([cache](int, int) {
        if (auto alive = cache.lock())
            alive->years.clear();
    });
}

HolidayLookup::~HolidayLookup() {
    m_table.setObserver({});
}

void HolidayLookup::invalidate() {
    m_cache->years.clear();
}

QString HolidayLookup::name(const QDate &date) const {
    if (!date.isValid())
        return QString();
    auto found = m_cache->years.constFind(date.year());
    if (found == m_cache->years.constEnd()) {
        if (m_cache->years.size() >= kYearsKept)
            m_cache->years.clear();
        found = m_cache->years.insert(date.year(), evaluate(date.year()));
    }
    return found->names.value(date.dayOfYear());
}

// The first rule in table order naming a day wins it, as in holidayName().
HolidayLookup::Year HolidayLookup::evaluate(int year) const {
    Year result;
    result.names.resize(367);
    result.named.resize(367);
    for (int month = 1; month <= 12; ++month) {
        for (int row = 1; row < m_table.rowCount(); ++row) {
            const QDate day = ruleDate(m_table, row, year, month);
            if (!day.isValid() || result.named[day.dayOfYear()])
                continue;
            result.named[day.dayOfYear()] = true;
            result.names[day.dayOfYear()] = m_table.cell(HolidayName, row);
        }
    }
    return result;
}

} // namespace corvane
