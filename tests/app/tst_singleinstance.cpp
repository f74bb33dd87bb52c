#include "app/singleinstance.h"

#include "testsupport.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>

using namespace corvane;

class TestSingleInstance : public QObject {
    Q_OBJECT
private slots:
    void secondCopyAsksTheFirstToShow() {
        test::Sandbox sandbox;
        SingleInstance first(sandbox.dir.path());
        QVERIFY(first.claim());
        QVERIFY(QFile::exists(sandbox.path(QStringLiteral("corvane.lock"))));
        QSignalSpy shown(&first, &SingleInstance::showRequested);

        SingleInstance second(sandbox.dir.path());
        QVERIFY(!second.claim());
        QVERIFY(shown.wait(2000));
        QCOMPARE(shown.count(), 1);
    }

    void otherFoldersRunSideBySide() {
        test::Sandbox one, two;
        SingleInstance first(one.dir.path());
        SingleInstance second(two.dir.path());
        QVERIFY(first.claim());
        QVERIFY(second.claim());
    }

    void lockOfAFinishedCopyIsTakenOver() {
        test::Sandbox sandbox;
        {
            SingleInstance earlier(sandbox.dir.path());
            QVERIFY(earlier.claim());
        }
        SingleInstance later(sandbox.dir.path());
        QVERIFY(later.claim());
    }

    void lockOfACopyThatDiedIsTakenOver() {
        test::Sandbox sandbox;
        // The lock file of a process that no longer runs: pid, application name, host name.
        test::writeFile(sandbox.path(QStringLiteral("corvane.lock")),
                        "999999\ncorvane\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        SingleInstance copy(sandbox.dir.path());
        QVERIFY(copy.claim());
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
