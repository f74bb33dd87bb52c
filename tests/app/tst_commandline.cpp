#include "app/commandline.h"

#include <QTest>

using namespace corvane;

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void arguments_data();
    void arguments();
    void helpNamesEveryOption();
};

void TestCommandLine::arguments_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode"); // -1: the program runs
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("errorStart"); // only when the exit code is 2
    QTest::addColumn<QString>("dataFolder");

    QTest::newRow("none") << QStringList{} << -1 << ""
                          << ""
                          << "";
    QTest::newRow("version") << QStringList{"--version"} << 0 << "Corvane 2.1\n"
                             << ""
                             << "";
    QTest::newRow("short version") << QStringList{"-v"} << 0 << "Corvane 2.1\n"
                                   << ""
                                   << "";
    QTest::newRow("data folder") << QStringList{"--data-dir", "/home/ann/Tâches"} << -1 << ""
                                 << ""
                                 << "/home/ann/Tâches";
    QTest::newRow("data folder with =") << QStringList{"--data-dir=rel/dir"} << -1 << ""
                                        << ""
                                        << "rel/dir";
    QTest::newRow("data folder missing") << QStringList{"--data-dir"} << 2 << ""
                                         << "Missing value"
                                         << "";
    QTest::newRow("data folder empty") << QStringList{"--data-dir", ""} << 2 << ""
                                       << "--data-dir needs a folder."
                                       << "";
    QTest::newRow("unknown option") << QStringList{"--bogus"} << 2 << ""
                                    << "Unknown option 'bogus'."
                                    << "";
    QTest::newRow("stray argument") << QStringList{"grid.grd"} << 2 << ""
                                    << "Unexpected argument 'grid.grd'."
                                    << "";
    // QApplication takes these for itself later.
    QTest::newRow("qt options") << QStringList{"-platform", "offscreen", "-reverse", "--data-dir", "d"} << -1
                                << ""
                                << ""
                                << "d";
}

void TestCommandLine::arguments() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, errorStart);
    QFETCH(QString, dataFolder);

    const CommandLine line = readCommandLine(QStringList{"corvane"} + arguments, QStringLiteral("2.1"));
    QCOMPARE(line.exitCode.value_or(-1), exitCode);
    QCOMPARE(line.output, output);
    if (exitCode == 2) {
        QVERIFY2(line.error.startsWith(errorStart), qPrintable(line.error));
        QVERIFY(line.error.contains(QStringLiteral("Usage:")));
    } else {
        QCOMPARE(line.error, QString());
    }
    QCOMPARE(line.dataFolder, dataFolder);
}

void TestCommandLine::helpNamesEveryOption() {
    const CommandLine line = readCommandLine({"corvane", "--help"}, QStringLiteral("2.1"));
    QCOMPARE(line.exitCode.value_or(-1), 0);
    for (const char *option : {"--help", "--version", "--data-dir <folder>"})
        QVERIFY2(line.output.contains(QLatin1String(option)), option);
    // Qt's own options are accepted but not advertised.
    QVERIFY(!line.output.contains(QStringLiteral("platform")));
    QVERIFY(line.error.isEmpty());
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
