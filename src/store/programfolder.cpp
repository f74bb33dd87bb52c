#include "store/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace corvane {

namespace {

QString overrideFolder;
QString chosenFolder;

// Where an installation keeps its shared files, relative to the executable's folder.
QString installedSharedFolder() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/corvane"));
}

bool isInstalled() {
    return QFileInfo(installedSharedFolder()).isDir();
}

QString defaultFolder() {
    const QString exeFolder = QCoreApplication::applicationDirPath();
    // An installed program never writes beside itself, even when run by someone who could.
    if (!isInstalled() && QFileInfo(exeFolder).isWritable())
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

void chooseDataFolder(const QString &folder) {
    chosenFolder = folder;
    setProgramFolder(folder);
}

QString chosenDataFolder() {
    return chosenFolder;
}

QString joinPath(const QString &folder, const QString &name) {
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

QString besideProgram(const QString &name) {
    return joinPath(programFolder(), name);
}

QString sharedFolder() {
    return isInstalled() ? installedSharedFolder() : QCoreApplication::applicationDirPath();
}

QString sharedFile(const QString &name) {
    return joinPath(sharedFolder(), name);
}

} // namespace corvane
