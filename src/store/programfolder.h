#pragma once

#include <QString>

namespace corvane {

// The folder that holds the program's data files. It is the folder of the executable, unless the program
// is installed (its shared files sit in ../share/corvane) or that folder cannot be written, in which case
// it is the per-user data folder.
QString programFolder();

// Points programFolder() at another folder (tests); an empty text returns to the default.
void setProgramFolder(const QString &folder);

// The folder the user named for the task files (--data-dir): programFolder() from now on, and what a
// start with the desktop session is to be given again. Empty until then.
void chooseDataFolder(const QString &folder);
QString chosenDataFolder();

// Joins a folder and a file name with exactly one separator between them.
QString joinPath(const QString &folder, const QString &name);

// joinPath(programFolder(), name): the name of a file kept beside the program.
QString besideProgram(const QString &name);

// The folder of the read-only files the program ships (the default alarm sound, the help page): the
// executable's folder in a build, <prefix>/share/corvane in an installation.
QString sharedFolder();

// joinPath(sharedFolder(), name).
QString sharedFile(const QString &name);

} // namespace corvane
