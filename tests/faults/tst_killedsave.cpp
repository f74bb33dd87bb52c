// A program killed while it saves never leaves a broken or half-written file: each trial forks a child
// that saves two versions of a file in turn, kills it at a random moment, and checks what is on disk.

#include "editing/categoryfile.h"
#include "settings/settingsstore.h"
#include "store/daynumber.h"
#include "store/routines.h"
#include "store/tasktable.h"

#include "testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSettings>
#include <QTest>
#include <QThread>

#include <csignal>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

using namespace corvane;

namespace {

// A store of 100,000 tasks; the two versions differ in every task's text.
TaskTable bigStore(int version) {
    constexpr int tasks = 100'000;
    TaskTable store(6, tasks + 1);
    store.setRowCells(0, QStringList{"Key", "Time", "Category", "What", "Done", "Alarm"});
    for (int i = 0; i < tasks; ++i) {
        const int day = 45000 + i / 27;
        store.setRowCells(
            i + 1,
            {storeKey(day, 101 + i % 27), QStringLiteral("%1:30 PM").arg(1 + i % 12),
             i % 3 ? QStringLiteral("Work") : QStringLiteral("Café"),
             QStringLiteral("Version %1: call the bank, \"urgent\"\r\nline %2\r\n").arg(version).arg(i),
             yesNo(i % 2), yesNo(i % 5 == 0)});
    }
    return store;
}

QStringList bigChoices(int version) {
    QStringList choices;
    for (int i = 0; i < 20'000; ++i)
        choices << QStringLiteral("Choice %1 of version %2, é").arg(i).arg(version);
    return choices;
}

bool writeSettings(const QString &fileName, int version) {
    SettingsStore::setFileForTesting(fileName);
    SettingsStore store;
    for (int i = 0; i < 2000; ++i)
        store.writeInt(QStringLiteral("Options"), QStringLiteral("Value%1").arg(i), version * 100'000 + i);
    return store.sync();
}

// The version the settings file holds throughout, or -1 when it is broken or mixed.
int settingsVersion(const QString &fileName) {
    const QSettings settings(fileName, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return -1;
    int version = -1;
    for (int i = 0; i < 2000; ++i) {
        const int value = settings.value(QStringLiteral("Options/Value%1").arg(i)).toString().toInt();
        if (value % 100'000 != i || (version >= 0 && value / 100'000 != version))
            return -1;
        version = value / 100'000;
    }
    return version;
}

int trialCount() {
    bool ok = false;
    const int wanted = qEnvironmentVariableIntValue("CORVANE_KILL_TRIALS", &ok);
    return ok && wanted > 0 ? wanted : 30;
}

} // namespace

class TestKilledSave : public QObject {
    Q_OBJECT

    using Save = std::function<bool(int version)>;
    // The version the file holds, or -1 when it holds neither.
    using Version = std::function<int()>;

    // Forks writers that save version 0 and 1 in turn and kills each at a random moment.
    void killWhileSaving(const QString &folder, const QString &fileName, const Save &save,
                         const Version &version) {
        QVERIFY(save(0));
        QElapsedTimer timer;
        timer.start();
        QVERIFY(save(1));
        const qint64 oneSave = std::max<qint64>(timer.elapsed(), 1);
        QRandomGenerator random(13);
        const QStringList expected{QFileInfo(fileName).fileName()};
        for (int trial = 0; trial < trialCount(); ++trial) {
            const pid_t child = fork();
            QVERIFY(child >= 0);
            if (child == 0) {
                for (int v = 0;; v = 1 - v)
                    if (!save(v))
                        _exit(2);
            }
            // Any moment within the first two saves: mostly while the file is written, sometimes as it
            // is put in place.
            QThread::msleep(random.bounded(2 * oneSave));
            kill(child, SIGKILL);
            int status = 0;
            QCOMPARE(waitpid(child, &status, 0), child);
            QVERIFY2(WIFSIGNALED(status), "the writer failed before it was killed");
            QVERIFY2(version() >= 0, qPrintable(QStringLiteral("trial %1 left a broken file").arg(trial)));
            QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden);
            // The settings' lock files name a process that is gone; the next writer takes them over.
            const QString lock = QFileInfo(fileName).fileName() + QStringLiteral(".lock");
            left.removeIf([&](const QString &name) { return name.startsWith(lock); });
            QVERIFY2(left == expected,
                     qPrintable(QStringLiteral("trial %1 left %2").arg(trial).arg(left.join(' '))));
        }
        // The file is still written as usual afterwards.
        QVERIFY(save(0));
        QCOMPARE(version(), 0);
    }

private slots:
    void cleanup() { SettingsStore::setFileForTesting(QString()); }

    void killedWhileSavingTheStore() {
        test::Sandbox sandbox;
        const QString fileName = sandbox.path(QStringLiteral("grid.grd"));
        const TaskTable versions[] = {bigStore(0), bigStore(1)};
        const QByteArray bytes[] = {versions[0].toGridBytes(), versions[1].toGridBytes()};
        // Both versions load; a trial then only needs to find one of them on disk, byte for byte.
        for (const QByteArray &version : bytes) {
            TaskTable loaded(6, 1);
            QVERIFY(loaded.fromGridBytes(version, fileName, nullptr));
            QCOMPARE(loaded.rowCount(), 100'001);
        }
        killWhileSaving(
            sandbox.dir.path(), fileName, [&](int v) { return versions[v].save(fileName); },
            [&] {
                const QByteArray onDisk = test::readFile(fileName);
                return onDisk == bytes[0] ? 0 : onDisk == bytes[1] ? 1 : -1;
            });
    }

    void killedWhileSavingTheSettings() {
        test::Sandbox sandbox;
        const QString fileName = sandbox.path(QStringLiteral("Task.conf"));
        killWhileSaving(
            sandbox.dir.path(), fileName, [&](int v) { return writeSettings(fileName, v); },
            [&] { return settingsVersion(fileName); });
    }

    void killedWhileSavingACategoryFile() {
        test::Sandbox sandbox;
        const QString fileName = sandbox.path(QStringLiteral("category.xxx"));
        const QStringList versions[] = {bigChoices(0), bigChoices(1)};
        killWhileSaving(
            sandbox.dir.path(), fileName, [&](int v) { return saveCategoryFile(fileName, versions[v]); },
            [&] {
                const QStringList choices = readCategoryFile(fileName);
                return choices == versions[0] ? 0 : choices == versions[1] ? 1 : -1;
            });
    }
};

QTEST_GUILESS_MAIN(TestKilledSave)
#include "tst_killedsave.moc"
