#pragma once

#include <QIcon>
#include <QString>

namespace corvane {

// An icon of the desktop's theme, or the program's own drawing of it (":/icons/<name>.png") where the
// theme has none, so no button is ever blank.
QIcon themedIcon(const QString &themeName, const QString &ownName);

// The program's own icon in every size it is drawn at: the windows', the tray's and the menu entry's.
QIcon appIcon();

} // namespace corvane
