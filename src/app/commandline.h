#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace corvane {

// What the command line asks for. The program reads it before it connects to the window system, so
// --help and --version work anywhere and touch no file.
struct CommandLine {
    // Set when the program is to end at once with this status, after printing the texts below.
    std::optional<int> exitCode;
    QString output; // for standard output
    QString error;  // for standard error
    // --data-dir: the folder of the task files in place of the program folder; empty for the default.
    QString dataFolder;
};

// Reads the arguments (the program's name first). Qt's own window-system options (-platform, -style, …)
// are let through for QApplication.
CommandLine readCommandLine(const QStringList &arguments, const QString &version);

} // namespace corvane
