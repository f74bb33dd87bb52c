#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace corvane {

// Starting with the desktop session: the per-user XDG autostart entry "corvane.desktop".

// The entry's file: corvane.desktop in $XDG_CONFIG_HOME/autostart (default ~/.config/autostart).
QString autostartFile();

// Whether the entry is there and would start something: a non-empty Exec, not hidden, not disabled.
bool checkAutostart();

// Writes the entry running `command` (the executable and its arguments) when on, or removes it when off.
// False with the reason when that failed.
bool writeAutostart(bool on, const QStringList &command, QString *error);

// The entry's text for a command.
QByteArray autostartEntry(const QStringList &command);

// This program as it is to be started with the session: its executable, and the data folder named on
// its command line.
QStringList autostartCommand();
// One argument of an Exec line: quoted, with the characters the entry format reserves escaped.
QString quoteExecArgument(const QString &argument);

} // namespace corvane
