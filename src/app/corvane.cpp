#include "app/commandline.h"
#include "app/main.h"
#include "app/program.h"
#include "app/singleinstance.h"
#include "app/tray.h"
#include "settings/qtalarmsound.h"
#include "store/programfolder.h"
#include "widgets/icons.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

namespace {

// Reads the command line before any connection to the window system: --help and --version must work
// without a display and touch no file.
corvane::CommandLine readArguments(int argc, char *argv[]) {
    QCoreApplication probe(argc, argv);
    return corvane::readCommandLine(QCoreApplication::arguments(), QStringLiteral(CORVANE_VERSION));
}

} // namespace

int main(int argc, char *argv[]) {
    const corvane::CommandLine line = readArguments(argc, argv);
    std::fputs(line.output.toLocal8Bit().constData(), stdout);
    std::fputs(line.error.toLocal8Bit().constData(), stderr);
    if (line.exitCode)
        return *line.exitCode;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Corvane"));
    QApplication::setApplicationVersion(QStringLiteral(CORVANE_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("example.halvering.Corvane"));
    QApplication::setWindowIcon(corvane::appIcon());
    // While the window is in the tray, closing a message box must not end the program: only the main
    // window's close does (TfrmMain::closeEvent).
    QApplication::setQuitOnLastWindowClosed(false);
    if (!line.dataFolder.isEmpty()) {
        const QString folder = QDir(line.dataFolder).absolutePath();
        if (!QDir().mkpath(folder)) {
            std::fprintf(stderr, "corvane: cannot create the data folder %s\n", qPrintable(folder));
            return 1;
        }
        corvane::chooseDataFolder(folder);
    }
    // A second copy on the same files would overwrite the first one's changes: bring the first forward.
    corvane::SingleInstance instance(corvane::programFolder());
    if (!instance.claim())
        return 0;
    corvane::QtAlarmSound sound;
    corvane::setAlarmSound(&sound);
    corvane::Program program;
    QObject::connect(&instance, &corvane::SingleInstance::showRequested, &program.main(),
                     [&program] { program.main().tray->showApplication(); });
    program.start();
    return app.exec();
}
