#include "editing/timeruler.h"

namespace corvane::ruler {

bool isDayHour(int hour) {
    return hour >= 7 && hour < 19;
}

int timeToX(int hour, int minute) {
    return (60 * hour + minute) / 3 + origin;
}

QTime xToTime(int x) {
    const int minutes = 3 * (x - origin);
    if (minutes < 0)
        return QTime(0, 0);
    int hour = minutes / 60;
    int minute = minutes % 60;
    adjustTo5Minutes(hour, minute);
    return QTime(hour % 24, minute);
}

void adjustTo5Minutes(int &hour, int &minute) {
    // Each reading to its five-minute mark, as the ruler's ticks show them.
    static const int snapped[20] = {0,  5,  5,  10, 10, 15, 15, 20, 25, 30,
                                    30, 35, 35, 40, 45, 45, 50, 50, 55, 60};
    const int index = minute / 3;
    minute = index >= 0 && index < 20 ? snapped[index] : 0;
    if (minute == 60) {
        minute = 0;
        ++hour;
    }
    if (hour == 24)
        hour = 0;
}

bool pointerAccepts(int x) {
    return x >= 7 && x + pointerHalf <= width - 3;
}

QTime stepTime(const QTime &time, Step step) {
    int hour = time.hour();
    int minute = time.minute();
    switch (step) {
    case Step::MinuteUp:
        if (minute < 59)
            ++minute;
        else if (hour < 23) {
            ++hour;
            minute = 0;
        }
        break;
    case Step::MinuteDown:
        if (minute > 0)
            --minute;
        else if (hour > 0) {
            --hour;
            minute = 59;
        }
        break;
    case Step::HourUp:
        if (hour < 23)
            ++hour;
        break;
    case Step::HourDown:
        if (hour > 0)
            --hour;
        break;
    }
    return QTime(hour, minute);
}

} // namespace corvane::ruler
