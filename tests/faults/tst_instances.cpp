// Two copies of the real program on one data folder: a second start leaves the first running and ends, a
// lock left by a killed copy never blocks a start, and two copies started at once end as one.

#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <csignal>
#include <memory>

using namespace corvane;

class TestInstances : public QObject {
    Q_OBJECT

    QString program() const { return QCoreApplication::applicationDirPath() + QStringLiteral("/../corvane"); }

    std::unique_ptr<QProcess> start(const QString &folder) {
        auto process = std::make_unique<QProcess>();
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(program(), {QStringLiteral("--data-dir"), folder});
        return process;
    }

    // The copy holds the lock once its lock file names it.
    static bool holdsLock(const QString &folder, const QProcess &process) {
        const QByteArray lock = test::readFile(folder + QStringLiteral("/corvane.lock"));
        return lock.startsWith(QByteArray::number(process.processId()) + '\n');
    }

    static void stop(QProcess &process) {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(10'000);
        }
    }

private slots:
    void initTestCase() {
        if (!QFile::exists(program()))
            QSKIP("The program is not built beside the tests");
    }

    void secondStartEndsAndLeavesTheFirst() {
        test::Sandbox sandbox;
        auto first = start(sandbox.dir.path());
        QTRY_VERIFY_WITH_TIMEOUT(holdsLock(sandbox.dir.path(), *first), 30'000);
        auto second = start(sandbox.dir.path());
        QVERIFY(second->waitForFinished(30'000));
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(first->state(), QProcess::Running);
        stop(*first);
    }

    void lockOfAKilledCopyNeverBlocks() {
        test::Sandbox sandbox;
        auto killed = start(sandbox.dir.path());
        QTRY_VERIFY_WITH_TIMEOUT(holdsLock(sandbox.dir.path(), *killed), 30'000);
        ::kill(pid_t(killed->processId()), SIGKILL);
        QVERIFY(killed->waitForFinished(10'000));
        QVERIFY(QFile::exists(sandbox.path(QStringLiteral("corvane.lock"))));
        auto next = start(sandbox.dir.path());
        QTRY_VERIFY_WITH_TIMEOUT(holdsLock(sandbox.dir.path(), *next), 30'000);
        QCOMPARE(next->state(), QProcess::Running);
        stop(*next);
    }

    void twoAtOnceEndAsOne() {
        test::Sandbox sandbox;
        auto one = start(sandbox.dir.path());
        auto two = start(sandbox.dir.path());
        // One of them ends by itself; the other holds the lock and runs on.
        QTRY_VERIFY_WITH_TIMEOUT(
            (one->state() == QProcess::NotRunning) != (two->state() == QProcess::NotRunning), 60'000);
        QProcess &running = one->state() == QProcess::Running ? *one : *two;
        QProcess &ended = one->state() == QProcess::Running ? *two : *one;
        QCOMPARE(ended.exitCode(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(holdsLock(sandbox.dir.path(), running), 30'000);
        QTest::qWait(2000);
        QCOMPARE(running.state(), QProcess::Running);
        stop(running);
    }
};

QTEST_GUILESS_MAIN(TestInstances)
#include "tst_instances.moc"
