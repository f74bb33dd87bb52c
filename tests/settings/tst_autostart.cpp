#include "settings/autostart.h"
#include "testsupport.h"

#include <QDir>
#include <QTest>

using namespace corvane;
using namespace corvane::test;

class TestAutostart : public QObject {
    Q_OBJECT
private slots:
    void init();
    void entryIsWrittenAndRemoved();
    void checkReadsTheEntry_data();
    void checkReadsTheEntry();
    void execArgumentIsQuoted_data();
    void execArgumentIsQuoted();
    void unwritableFolderIsReported();

private:
    QString entryFile() const { return dir->filePath(QStringLiteral("autostart/corvane.desktop")); }
    std::unique_ptr<QTemporaryDir> dir;
};

void TestAutostart::init() {
    dir = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", dir->path().toLocal8Bit());
}

void TestAutostart::entryIsWrittenAndRemoved() {
    QCOMPARE(autostartFile(), entryFile());
    QVERIFY(!checkAutostart());
    QString error;
    const QStringList command{QStringLiteral("/opt/Corvane 2/corvane"), QStringLiteral("--data-dir"),
                              QStringLiteral("/home/ann/Tâches")};
    QVERIFY(writeAutostart(true, command, &error));
    QCOMPARE(readFile(entryFile()), QByteArray("[Desktop Entry]\n"
                                               "Type=Application\n"
                                               "Name=Corvane\n"
                                               "Exec=\"/opt/Corvane 2/corvane\" \"--data-dir\" "
                                               "\"/home/ann/T\xc3\xa2"
                                               "ches\"\n"
                                               "X-GNOME-Autostart-enabled=true\n"));
    QVERIFY(checkAutostart());

    QVERIFY(writeAutostart(false, {}, &error));
    QVERIFY(!QFile::exists(entryFile()));
    QVERIFY(!checkAutostart());
    QVERIFY(writeAutostart(false, {}, &error)); // nothing to remove is no failure
    QCOMPARE(error, QString());
}

void TestAutostart::checkReadsTheEntry_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("starts");
    const QByteArray head = "[Desktop Entry]\nType=Application\nName=Corvane\n";
    QTest::newRow("plain") << head + "Exec=corvane\n" << true;
    QTest::newRow("spaces around") << head + "Exec = corvane \n" << true;
    QTest::newRow("empty exec") << head + "Exec=\n" << false;
    QTest::newRow("no exec") << head << false;
    QTest::newRow("hidden") << head + "Exec=corvane\nHidden=true\n" << false;
    QTest::newRow("not hidden") << head + "Exec=corvane\nHidden=false\n" << true;
    QTest::newRow("disabled") << head + "Exec=corvane\nX-GNOME-Autostart-enabled=false\n" << false;
    QTest::newRow("exec in another group") << head + "[Desktop Action New]\nExec=corvane\n" << false;
    QTest::newRow("binary") << QByteArray("\x00\xff\xfe[Desktop", 10) << false;
}

void TestAutostart::checkReadsTheEntry() {
    QFETCH(QByteArray, text);
    QFETCH(bool, starts);
    QDir().mkpath(dir->filePath(QStringLiteral("autostart")));
    writeFile(entryFile(), text);
    QCOMPARE(checkAutostart(), starts);
}

void TestAutostart::execArgumentIsQuoted_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("quoted");
    QTest::newRow("plain") << "/usr/bin/corvane"
                           << R"("/usr/bin/corvane")";
    QTest::newRow("space") << "/home/a b/corvane"
                           << R"("/home/a b/corvane")";
    QTest::newRow("reserved") << "/x/$a`b\"c"
                              << R"("/x/\\$a\\`b\\"c")";
    QTest::newRow("backslash") << "/x\\y"
                               << R"("/x\\\\y")";
    QTest::newRow("percent") << "/x/100%"
                             << R"("/x/100%%")";
}

void TestAutostart::execArgumentIsQuoted() {
    QFETCH(QString, path);
    QFETCH(QString, quoted);
    QCOMPARE(quoteExecArgument(path), quoted);
}

void TestAutostart::unwritableFolderIsReported() {
    writeFile(dir->filePath(QStringLiteral("autostart")), "a file, not a folder");
    QString error;
    QVERIFY(!writeAutostart(true, {QStringLiteral("/usr/bin/corvane")}, &error));
    QVERIFY(error.contains(QStringLiteral("corvane.desktop")));
    QVERIFY(!checkAutostart());
}

QTEST_GUILESS_MAIN(TestAutostart)
#include "tst_autostart.moc"
