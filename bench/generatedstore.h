#pragma once

// The store the benchmarks work on: 100,000 tasks over ten years, with realistic cells.

#include "store/daynumber.h"
#include "store/routines.h"
#include "store/tasktable.h"

#include <QDate>
#include <QStringList>

#include <random>

namespace corvane::bench {

inline constexpr int taskCount = 100'000;
inline const QDate firstDay(2020, 1, 1);
inline constexpr int dayCount = 3653; // ten years

inline TaskTable newStore() {
    TaskTable store(6, 1);
    const int widths[] = {110, 94, 146, 64, 64, 64};
    for (int c = 0; c < 6; ++c)
        store.setColumnWidth(c, widths[c]);
    store.setColumnCompare(StoreKey, compareStoreKeys);
    return store;
}

// Tasks spread over the days at random, with realistic cells and keys as the day view writes them back
// (101, 102, ... within a day); returned sorted, as the store keeps them.
inline TaskTable generatedStore() {
    std::mt19937 random(20240501);
    const QStringList categories{"", "Work", "Home", "Errands", "Birthday", "Doctor", "Car", "Garden"};
    const QStringList words{"call",   "the",  "bank",    "about",     "meeting", "with",        "plumber",
                            "buy",    "milk", "renew",   "insurance", "send",    "report",      "to",
                            "office", "pick", "up",      "kids",      "dentist", "appointment", "pay",
                            "rent",   "book", "flights", "for",       "summer"};
    QList<int> tasksOfDay(dayCount);
    for (int task = 0; task < taskCount; ++task)
        ++tasksOfDay[random() % dayCount];
    TaskTable store = newStore();
    store.setRowCount(taskCount + 1);
    int row = 1;
    for (int d = 0; d < dayCount; ++d) {
        for (int n = 0; n < tasksOfDay[d]; ++n, ++row) {
            const int hour = int(random() % 12) + 1;
            const int minute = int(random() % 4) * 15;
            QString what;
            const int length = 2 + int(random() % 7);
            for (int w = 0; w < length; ++w)
                what += (w ? " " : "") + words[random() % words.size()];
            if (random() % 5 == 0)
                what = what + "\r\nsecond line\r\n";
            store.setRowCells(row, {storeKey(dayNumber(firstDay) + d, 101 + n),
                                    QStringLiteral("%1:%2 %3")
                                        .arg(hour)
                                        .arg(minute, 2, 10, QLatin1Char('0'))
                                        .arg(random() % 2 ? "AM" : "PM"),
                                    categories[random() % categories.size()], what, yesNo(random() % 3 == 0),
                                    yesNo(random() % 4 == 0)});
        }
    }
    store.sort();
    return store;
}

} // namespace corvane::bench
