#include "calendar/navigation.h"

#include "calendar/cellcolors.h"
#include "store/daynumber.h"

#include <algorithm>

namespace corvane {

namespace {

int dayOfRow(const TaskTable &store, int row) {
    return dayOfKey(store.cell(StoreKey, row));
}

// The first data row whose day is greater than `day` (rowCount when none).
int firstRowAfter(const TaskTable &store, int day) {
    int low = 1;
    int high = store.rowCount();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (dayOfRow(store, middle) > day)
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

bool highlighted(const TaskTable &store, int day, const HighlightQuery &query) {
    return isHighlighted(store, day, query.colorDone, query.colorNotDone, query.filter);
}

} // namespace

// The store is in day order, so each day is asked once, from the nearest one outwards.
QDate nextHighlightedDay(const TaskTable &store, const QDate &date, const HighlightQuery &query) {
    if (!query.colorDone && !query.colorNotDone)
        return date;
    int row = firstRowAfter(store, dayNumber(date));
    while (row < store.rowCount()) {
        const int day = dayOfRow(store, row);
        if (highlighted(store, day, query))
            return dateOfDay(day);
        row = firstRowAfter(store, day);
    }
    return date;
}

QDate priorHighlightedDay(const TaskTable &store, const QDate &date, const HighlightQuery &query) {
    if (!query.colorDone && !query.colorNotDone)
        return date;
    int row = firstRowAfter(store, dayNumber(date) - 1) - 1;
    while (row >= 1) {
        const int day = dayOfRow(store, row);
        if (highlighted(store, day, query))
            return dateOfDay(day);
        row = firstRowAfter(store, day - 1) - 1;
    }
    return date;
}

} // namespace corvane
