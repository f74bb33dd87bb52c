#pragma once

#include <QDateTime>

namespace corvane {

// The current moment. Every "today", relative date, alarm and reminder asks here, so tests can fix it.
QDateTime now();

// Fixes the moment now() answers (tests); an invalid value returns to the system clock.
void setNow(const QDateTime &moment);

} // namespace corvane
