#include "widgets/icons.h"

// The icons live in a static library's resources, which the linker keeps only when asked for by name.
static void loadIconResources() {
    static const bool loaded = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    Q_UNUSED(loaded);
}

namespace corvane {

QIcon themedIcon(const QString &themeName, const QString &ownName) {
    loadIconResources();
    QIcon own;
    own.addFile(QStringLiteral(":/icons/%1.png").arg(ownName), QSize(16, 16));
    own.addFile(QStringLiteral(":/icons/%1@2x.png").arg(ownName), QSize(32, 32));
    return themeName.isEmpty() ? own : QIcon::fromTheme(themeName, own);
}

QIcon appIcon() {
    loadIconResources();
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/app/corvane-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace corvane
