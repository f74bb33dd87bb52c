// The date and time text parsers under several locales: any text reads as a value or as "no value", and
// what the program writes with a locale's patterns reads back as itself.

#include "fuzzsupport.h"

#include "store/clock.h"
#include "store/dateformats.h"
#include "store/daynumber.h"
#include "store/routines.h"

#include <QLocale>

#include <cmath>

using namespace corvane;

namespace {

const char *const localeNames[] = {"en_US", "en_GB", "de_DE", "fr_FR", "fi_FI",
                                   "ja_JP", "ko_KR", "ar_EG", "C"};

const FormatSettings &localeFormats(int index) {
    static QList<FormatSettings> all;
    if (all.isEmpty())
        for (const char *name : localeNames)
            all << FormatSettings::fromLocale(QLocale(QLatin1String(name)));
    return all[index];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzz::setUp();
    fuzz::Input input(data, size);
    const int locale = input.number(0, int(std::size(localeNames)) - 1);
    const bool adjusted = input.byte() & 1;
    const int timeOfDay = input.number(0, 86'399);
    const int day = input.number(dayNumber(QDate(1, 1, 1)), dayNumber(QDate(9999, 12, 31)));
    const QString text = input.rest();

    setFormats(localeFormats(locale));
    if (adjusted)
        fix2000();
    const QDateTime moment(QDate(2000, 3, 15), QTime(10, 30));
    setNow(moment);

    const double time = readTime(text);
    fuzz::check((time >= 0 && time < 1) || time == dateTimeValue(moment),
                "a time reads as a fraction of a day, or as the current moment");
    fuzz::check(std::isfinite(readDecimal(text)), "a decimal reads as a finite number");
    readInteger(text);
    monthNumber(text);
    const QDate date = parseShortDate(text);
    fuzz::check(!date.isValid() || date.year() > 0, "a date read has a year of the common era");

    // What the program writes into time cells (the short time) and date texts, it reads.
    const QTime clock = QTime::fromMSecsSinceStartOfDay(timeOfDay * 1000);
    const QString pattern = formats().shortTime;
    const QString written = formatWithLocalePattern(pattern, QDateTime(moment.date(), clock));
    const int seconds = int(std::lround(readTime(written) * 86'400));
    const int expected = pattern.contains(QLatin1String("ss")) ? timeOfDay : timeOfDay - timeOfDay % 60;
    fuzz::check(seconds == expected, "a written time reads back");
    const QDate some = dateOfDay(day);
    if (formats().shortDate.contains(QLatin1String("yyyy"))) {
        const QString written = formatWithLocalePattern(formats().shortDate, QDateTime(some, QTime()));
        fuzz::check(parseShortDate(written) == some, "a written date reads back");
    }
    setNow(QDateTime());
    return 0;
}
