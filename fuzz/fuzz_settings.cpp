// The settings decoders: a settings file of any content reads as values or defaults, every value read
// writes back and reads again as itself, and colours and fonts come out of any number.

#include "fuzzsupport.h"

#include "app/layoutvalues.h"
#include "filters/filterstate.h"
#include "settings/colorvalue.h"
#include "settings/fontsetting.h"
#include "settings/settingsstore.h"

#include <QPalette>

using namespace corvane;

namespace {

const char *const booleans[] = {"Shadows",   "StrikeOut",    "Confirm",   "DragConfirm",
                                "DoneColor", "NotDoneColor", "AutoStart", "qPopup",
                                "PlayAlarm", "RepeatAlarm",  "Sunday"};
const char *const integers[] = {"DoneColorFG",    "DoneColorBG",    "NotDoneColorFG", "NotDoneColorBG",
                                "HolidayColorFG", "HolidayColorBG", "AlarmMin",       "RowHeight"};

void checkNumberText(const QString &text) {
    const std::optional<int> value = SettingsStore::parseInt(text);
    if (!value)
        return;
    fuzz::check(SettingsStore::parseInt(QString::number(*value)) == value, "a number read writes back");
    const QColor color = colorFromValue(*value, QPalette());
    fuzz::check(color.isValid(), "every value gives a colour");
    if (!isSystemColor(*value))
        fuzz::check(valueFromColor(color) == (*value & 0xFFFFFF), "a plain colour keeps its value");
    colorName(*value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzz::setUp();
    checkNumberText(fuzz::text(data, size));

    const QString file = fuzz::writeScratch(QStringLiteral("Task.conf"), fuzz::bytes(data, size));
    SettingsStore::setFileForTesting(file);
    const QString options = QStringLiteral("Options");
    QList<int> read;
    {
        const SettingsStore store;
        for (const char *name : booleans)
            read << store.readBool(options, QLatin1String(name), true);
        for (const char *name : integers) {
            read << store.readInt(options, QLatin1String(name), 0);
            checkNumberText(store.readText(options, QLatin1String(name), QString()));
        }
        store.readText(options, QStringLiteral("Category"), QString());
        store.readText(options, QStringLiteral("AlarmPath"), QString());
        for (const QString &prefix : {QStringLiteral("CalFont"), QStringLiteral("GridFont")}) {
            const QFont font = readFontSetting(store, prefix);
            fuzz::check(font.pointSize() > 0, "a font read has a size");
        }
        LayoutValues layout;
        layout.read(store);
        FilterState filter;
        filter.readSwitches(store);
    }
    {
        // What was read, written back as the program writes it, reads as the same values.
        SettingsStore store;
        qsizetype i = 0;
        for (const char *name : booleans)
            store.writeBool(options, QLatin1String(name), read[i++]);
        for (const char *name : integers)
            store.writeInt(options, QLatin1String(name), read[i++]);
        store.sync();
    }
    {
        const SettingsStore store;
        qsizetype i = 0;
        for (const char *name : booleans) {
            const bool value = read[i++];
            fuzz::check(store.readBool(options, QLatin1String(name), !value) == value,
                        "a boolean written reads back");
        }
        for (const char *name : integers) {
            const int value = read[i++];
            fuzz::check(store.readInt(options, QLatin1String(name), ~value) == value,
                        "an integer written reads back");
        }
    }
    SettingsStore::setFileForTesting(QString());
    return 0;
}
