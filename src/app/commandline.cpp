#include "app/commandline.h"

#include <QCommandLineParser>

namespace corvane {

namespace {

// Options QGuiApplication and QApplication take for themselves, with and without a value.
const char *const qtValueOptions[] = {"platform",        "platformpluginpath",
                                      "platformtheme",   "plugin",
                                      "qwindowgeometry", "qwindowtitle",
                                      "qwindowicon",     "display",
                                      "geometry",        "style",
                                      "stylesheet",      "session",
                                      "qmljsdebugger"};
const char *const qtFlagOptions[] = {"reverse", "nograb", "dograb", "sync", "widgetcount"};

void addHidden(QCommandLineParser &parser, const QString &name, const QString &valueName) {
    QCommandLineOption option(name, QString(), valueName);
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
}

} // namespace

CommandLine readCommandLine(const QStringList &arguments, const QString &version) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Corvane, a desktop task planner."));
    // Qt's own options come with one dash and a whole word.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help and exits."));
    const QCommandLineOption showVersion({QStringLiteral("v"), QStringLiteral("version")},
                                         QStringLiteral("Shows the version and exits."));
    const QCommandLineOption dataDir(
        QStringLiteral("data-dir"),
        QStringLiteral("Keeps the task files in <folder> instead of the program's folder."),
        QStringLiteral("folder"));
    parser.addOption(help);
    parser.addOption(showVersion);
    parser.addOption(dataDir);
    for (const char *name : qtValueOptions)
        addHidden(parser, QString::fromLatin1(name), QStringLiteral("value"));
    for (const char *name : qtFlagOptions)
        addHidden(parser, QString::fromLatin1(name), QString());

    CommandLine line;
    if (!parser.parse(arguments)) {
        line.error = parser.errorText() + u'\n' + parser.helpText();
        line.exitCode = 2;
        return line;
    }
    if (!parser.positionalArguments().isEmpty()) {
        line.error = QStringLiteral("Unexpected argument '%1'.\n").arg(parser.positionalArguments().first()) +
                     parser.helpText();
        line.exitCode = 2;
        return line;
    }
    if (parser.isSet(help)) {
        line.output = parser.helpText();
        line.exitCode = 0;
    } else if (parser.isSet(showVersion)) {
        line.output = QStringLiteral("Corvane %1\n").arg(version);
        line.exitCode = 0;
    } else if (parser.isSet(dataDir)) {
        line.dataFolder = parser.value(dataDir);
        if (line.dataFolder.isEmpty()) {
            line.error = QStringLiteral("--data-dir needs a folder.\n") + parser.helpText();
            line.exitCode = 2;
        }
    }
    return line;
}

} // namespace corvane
