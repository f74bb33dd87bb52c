#include "settings/fontsetting.h"

#include "settings/settingsstore.h"

#include <algorithm>

namespace corvane {

namespace {
const QString section = QStringLiteral("Options");
}

QFont readFontSetting(const SettingsStore &store, const QString &prefix) {
    QFont font(store.readText(section, prefix + QLatin1String("Name"), QStringLiteral("Ms Sans Serif")));
    // A hand-edited size the user could no longer read (or change) is brought within 6 to 72 points.
    const int size = store.readInt(section, prefix + QLatin1String("Size"), 8);
    font.setPointSize(size > 0 ? std::clamp(size, minimumFontSize, maximumFontSize) : 8);
    font.setBold(store.readBool(section, prefix + QLatin1String("Bold"), false));
    font.setItalic(store.readBool(section, prefix + QLatin1String("Italic"), false));
    font.setUnderline(store.readBool(section, prefix + QLatin1String("Under"), false));
    font.setStrikeOut(store.readBool(section, prefix + QLatin1String("Strike"), false));
    return font;
}

void writeFontSetting(SettingsStore &store, const QString &prefix, const QFont &font) {
    store.writeText(section, prefix + QLatin1String("Name"), font.family());
    store.writeInt(section, prefix + QLatin1String("Size"), font.pointSize());
    store.writeBool(section, prefix + QLatin1String("Bold"), font.bold());
    store.writeBool(section, prefix + QLatin1String("Italic"), font.italic());
    store.writeBool(section, prefix + QLatin1String("Under"), font.underline());
    store.writeBool(section, prefix + QLatin1String("Strike"), font.strikeOut());
}

} // namespace corvane
