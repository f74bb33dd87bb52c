#pragma once

#include <QTime>

namespace corvane {

// The time picker's 24-hour ruler: 20 pixels per hour from x = 8, one pixel three minutes.
namespace ruler {

constexpr int width = 495;
constexpr int height = 42;
constexpr int origin = 8;      // x of midnight
constexpr int lastX = 487;     // the pointer goes no further right
constexpr int pointerHalf = 5; // half the pointer triangle's width, rounded down

// Hours from 7a up to 7p lie on the day-coloured ground.
bool isDayHour(int hour);

int timeToX(int hour, int minute);
// The time at x, snapped to five minutes; left of the scale is 0:00.
QTime xToTime(int x);
// Snaps a minute read from the ruler (a multiple of 3) to five minutes; 60 carries into the next hour
// and hour 24 wraps to 0.
void adjustTo5Minutes(int &hour, int &minute);
// Whether the pointer can stand at x.
bool pointerAccepts(int x);

// The keyboard steps of the picker.
enum class Step { MinuteUp, MinuteDown, HourUp, HourDown };
// The chosen time after a step (seconds dropped); the steps stop at 0:00 and 23:59.
QTime stepTime(const QTime &time, Step step);

} // namespace ruler
} // namespace corvane
