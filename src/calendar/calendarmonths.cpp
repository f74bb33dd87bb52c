#include "calendar/calendarmonths.h"

namespace corvane {

std::array<QDate, 4> deriveMonths(int current, const QDate &date) {
    std::array<QDate, 4> dates;
    dates[current] = date;
    for (int i = current - 1; i >= 0; --i)
        dates[i] = dates[i + 1].addMonths(-1);
    for (int i = current + 1; i < 4; ++i)
        dates[i] = dates[i - 1].addMonths(1);
    return dates;
}

} // namespace corvane
