#pragma once

#include <QString>

namespace corvane {

// The folder that holds the program's data files. It is the folder of the executable, unless that folder
// cannot be written (an installation for all users), in which case it is the per-user data folder.
QString programFolder();

// Points programFolder() at another folder (tests); an empty text returns to the default.
void setProgramFolder(const QString &folder);

// Joins a folder and a file name with exactly one separator between them.
QString joinPath(const QString &folder, const QString &name);

// joinPath(programFolder(), name): the name of a file kept beside the program.
QString besideProgram(const QString &name);

} // namespace corvane
