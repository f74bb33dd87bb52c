#pragma once

#include <QDate>

#include <array>

namespace corvane {

// The dates of the four calendars, earliest month first, when calendar `current` (0..3) shows `date`:
// each neighbour is one month from the calendar next to it nearer the current one, so a day clamped
// to a short month stays clamped further down the chain.
std::array<QDate, 4> deriveMonths(int current, const QDate &date);

} // namespace corvane
