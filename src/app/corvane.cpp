#include "app/main.h"
#include "app/program.h"
#include "app/singleinstance.h"
#include "app/tray.h"
#include "settings/qtalarmsound.h"
#include "store/programfolder.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Corvane"));
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
