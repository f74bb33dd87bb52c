// The relative-date text and the display-pattern formatters: any pattern, any moment the store can name.

#include "fuzzsupport.h"

#include "store/clock.h"
#include "store/dateformats.h"
#include "store/daynumber.h"
#include "store/routines.h"

using namespace corvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzz::setUp();
    fuzz::Input input(data, size);
    // Store keys name days within ten million of the epoch.
    const int today = input.number(-10'000'000, 10'000'000);
    const int day = input.number(-10'000'000, 10'000'000);
    const int msecs = input.number(0, 86'399'999);
    const QString pattern = input.rest();

    setNow(QDateTime(dateOfDay(today), QTime(12, 0)));
    const QDateTime moment(dateOfDay(day), QTime::fromMSecsSinceStartOfDay(msecs));
    const QString relative = relativeDate(moment);
    fuzz::check(!relative.isEmpty(), "every date has a relative text");

    formatDateTime(pattern, moment);
    formatWithLocalePattern(pattern, moment);
    // The start-up adjustment runs once; it gives every two-digit year four digits.
    fuzz::check(!pattern.contains(QLatin1String("yy")) ||
                    adjustShortDate(pattern).contains(QLatin1String("yyyy")),
                "an adjusted short date has a four-digit year");
    fuzz::check(adjustLongTime(pattern).size() <= pattern.size(), "an adjusted long time only loses text");
    setNow(QDateTime());
    return 0;
}
