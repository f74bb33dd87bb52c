#pragma once

#include <QString>

namespace corvane {

// One task on its way into or out of an iCalendar file. A date task has its day; a non-date task has
// day 0 and no time or alarm.
struct IcalTask {
    int day = 0;
    QString time; // the Time text as the store holds it
    QString category;
    QString what;
    bool done = false;
    bool alarm = false;

    bool isDated() const { return day > 0; }
    bool operator==(const IcalTask &) const = default;
};

// The property names Corvane adds, so its own files come back exactly: the done state, and, in base64,
// the texts the standard properties would not give back as they were (a Time text the time format does
// not write, a category with a comma, which CATEGORIES splits, texts beginning or ending with spaces,
// which readers trim).
inline constexpr char doneProperty[] = "X-CORVANE-DONE";
inline constexpr char timeProperty[] = "X-CORVANE-TIME";
inline constexpr char categoryProperty[] = "X-CORVANE-CATEGORY";
inline constexpr char textProperty[] = "X-CORVANE-TEXT";

} // namespace corvane
