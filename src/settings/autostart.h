#pragma once

#include <QByteArray>
#include <QString>

namespace corvane {

// Starting with the desktop session: the per-user XDG autostart entry "corvane.desktop".

// The entry's file: corvane.desktop in $XDG_CONFIG_HOME/autostart (default ~/.config/autostart).
QString autostartFile();

// Whether the entry is there and would start something: a non-empty Exec, not hidden, not disabled.
bool checkAutostart();

// Writes the entry starting `executable` (on) or removes it (off). False with the reason when that failed.
bool writeAutostart(bool on, const QString &executable, QString *error);

// The entry's text for an executable.
QByteArray autostartEntry(const QString &executable);
// One argument of an Exec line: quoted, with the characters the entry format reserves escaped.
QString quoteExecArgument(const QString &argument);

} // namespace corvane
