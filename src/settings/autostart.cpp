#include "settings/autostart.h"

#include "store/atomicfile.h"
#include "store/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace corvane {

QString autostartFile() {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return config + QStringLiteral("/autostart/corvane.desktop");
}

QString quoteExecArgument(const QString &argument) {
    // Inside a quoted argument ", `, $ and \ take a backslash; % would start a field code.
    QString quoted;
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        else if (c == u'%')
            quoted += u'%';
        quoted += c;
    }
    quoted = u'"' + quoted + u'"';
    // The value is a string of the entry format too, whose own escaping applies first when it is read.
    quoted.replace(u'\\', QStringLiteral("\\\\"));
    quoted.replace(u'\n', QStringLiteral("\\n"));
    quoted.replace(u'\t', QStringLiteral("\\t"));
    quoted.replace(u'\r', QStringLiteral("\\r"));
    return quoted;
}

QByteArray autostartEntry(const QStringList &command) {
    QStringList quoted;
    for (const QString &argument : command)
        quoted += quoteExecArgument(argument);
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=Corvane\n"
                                        "Exec=%1\n"
                                        "X-GNOME-Autostart-enabled=true\n")
                             .arg(quoted.join(u' '));
    return text.toUtf8();
}

bool checkAutostart() {
    QFile file(autostartFile());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    bool inEntry = false, hasExec = false, hidden = false, disabled = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'[')) {
            inEntry = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (!inEntry || eq < 0)
            continue;
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1).trimmed();
        if (key == QLatin1String("Exec"))
            hasExec = !value.isEmpty();
        else if (key == QLatin1String("Hidden"))
            hidden = value == QLatin1String("true");
        else if (key == QLatin1String("X-GNOME-Autostart-enabled"))
            disabled = value == QLatin1String("false");
    }
    return hasExec && !hidden && !disabled;
}

QStringList autostartCommand() {
    QStringList command{QCoreApplication::applicationFilePath()};
    if (!chosenDataFolder().isEmpty())
        command << QStringLiteral("--data-dir") << chosenDataFolder();
    return command;
}

bool writeAutostart(bool on, const QStringList &command, QString *error) {
    const QString fileName = autostartFile();
    if (!on) {
        QFile file(fileName);
        if (!file.exists() || file.remove())
            return true;
        if (error)
            *error = QStringLiteral("The start-up entry %1 could not be removed: %2")
                         .arg(QDir::toNativeSeparators(fileName), file.errorString());
        return false;
    }
    QString reason = QStringLiteral("Could not create its folder");
    const bool written = QDir().mkpath(QFileInfo(fileName).absolutePath()) &&
                         writeFileAtomically(fileName, autostartEntry(command), &reason);
    if (!written && error)
        *error = QStringLiteral("The start-up entry %1 could not be written: %2")
                     .arg(QDir::toNativeSeparators(fileName), reason);
    return written;
}

} // namespace corvane
