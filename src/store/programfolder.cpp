#include "store/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace corvane {

namespace {

QString overrideFolder;

QString defaultFolder() {
    const QString exeFolder = QCoreApplication::applicationDirPath();
    if (QFileInfo(exeFolder).isWritable())
        return exeFolder;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data);
    return data;
}

} // namespace

QString programFolder() {
    if (!overrideFolder.isEmpty())
        return overrideFolder;
    static const QString folder = defaultFolder();
    return folder;
}

void setProgramFolder(const QString &folder) {
    overrideFolder = folder;
}

QString joinPath(const QString &folder, const QString &name) {
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

QString besideProgram(const QString &name) {
    return joinPath(programFolder(), name);
}

} // namespace corvane
