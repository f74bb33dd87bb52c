#pragma once

#include <QFont>
#include <QString>

namespace corvane {

class SettingsStore;

// The font sizes a stored setting may give, in points.
constexpr int minimumFontSize = 6;
constexpr int maximumFontSize = 72;

// A font kept in the "Options" section as <prefix>Name, <prefix>Size and the four style booleans
// <prefix>Bold, <prefix>Italic, <prefix>Under and <prefix>Strike ("CalFont", "GridFont").
QFont readFontSetting(const SettingsStore &store, const QString &prefix);
void writeFontSetting(SettingsStore &store, const QString &prefix, const QFont &font);

} // namespace corvane
