#include "app/main.h"
#include "app/program.h"
#include "app/updatereminder.h"
#include "settings/settingsstore.h"
#include "store/clock.h"
#include "store/daynumber.h"
#include "store/programfolder.h"
#include "testsupport.h"
#include "widgets/shadowlabel.h"
#include "widgets/taskgrid.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QSettings>
#include <QSplitter>
#include <QTest>

using namespace corvane;

namespace {

// Counts the key presses that reach a widget.
class KeySpy : public QObject {
public:
    int presses = 0;
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::KeyPress)
            ++presses;
        return false;
    }
};

void settle() {
    QApplication::processEvents();
    QApplication::sendPostedEvents();
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::pinFormats("en_US"); }
    void init() { setNow(QDateTime(QDate(2000, 3, 15), QTime(10, 30))); }
    void cleanup() {
        setNow(QDateTime());
        test::pinFormats("en_US");
    }

    void firstRunOpensWithDefaults() {
        test::Sandbox sandbox;
        test::FakePrompter prompts;
        Program program;
        TfrmMain &main = program.main();
        program.start();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        settle();

        QCOMPARE(main.windowTitle(), QString("Corvane"));
        QCOMPARE(main.clientSize(), QSize(630, 450));
        QCOMPARE(main.split2->sizes().value(0), 307);
        QCOMPARE(main.split1->sizes().value(0), 280);
        QCOMPARE(main.splitDay->sizes().value(0), 150);
        QCOMPARE(main.gridDay->table().rowCount(), 2);
        QVERIFY(main.gridDay->table().rowIsEmpty(1));
        QCOMPARE(main.gridNonday->table().rowCount(), 2);
        QCOMPARE(main.gridStore.rowCount(), 1);
        QCOMPARE(main.Filters1->text(), QString("Filters"));
        QCOMPARE(main.lblDate->text(), QString("Wed 3/15/2000  Today"));
        QCOMPARE(main.EsLabel1->text(), QString("Non-Date Oriented Tasks"));
        QVERIFY(main.memWhat->isHidden());
        QVERIFY(prompts.errors.isEmpty());
    }

    void escapeIsDiscarded() {
        test::Sandbox sandbox;
        test::FakePrompter prompts;
        Program program;
        program.start();
        TfrmMain &main = program.main();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        KeySpy spy;
        main.gridDay->installEventFilter(&spy);
        QTest::keyClick(main.gridDay, Qt::Key_Escape);
        QCOMPARE(spy.presses, 0);
        QTest::keyClick(main.gridDay, Qt::Key_A);
        QCOMPARE(spy.presses, 1);
        QVERIFY(main.isVisible());
    }

    void closingWritesFilesAndLayout() {
        test::Sandbox sandbox;
        test::FakePrompter prompts;
        {
            Program program;
            program.start();
            TfrmMain &main = program.main();
            QVERIFY(QTest::qWaitForWindowExposed(&main));
            settle();
            main.split1->setSizes({300, 330});
            main.close();
            QVERIFY(!main.isVisible());
        }
        QVERIFY(QFile::exists(sandbox.path("grid.grd")));
        QCOMPARE(test::readFile(sandbox.path("gridNon.grd")).left(5), QByteArray("3,2\r\n"));
        QSettings written(sandbox.settingsFile(), QSettings::IniFormat);
        QCOMPARE(written.value("Split1").toString(), QString("300"));
        QCOMPARE(written.value("Split2").toString(), QString("307"));
        QCOMPARE(written.value("ClientWidth").toString(), QString("630"));
        QCOMPARE(written.value("ClientHeight").toString(), QString("450"));
        QCOMPARE(written.value("SplitDay").toString(), QString("150"));
        QVERIFY(prompts.messages.isEmpty()); // 15 March 2000: before this version was built

        // The next start opens with what was written.
        Program again;
        again.start();
        QVERIFY(QTest::qWaitForWindowExposed(&again.main()));
        settle();
        QCOMPARE(again.main().split1->sizes().value(0), 300);
    }

    // A year after the program was built, closing reminds of updates.
    void updateReminderAYearAfterTheBuild_data() {
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<QStringList>("messages");
        const QString reminder =
            "This version is over a year old.  Check https://www.halvering.example/ for updates";
        const QDate due = buildDate().addYears(1);
        QTest::newRow("build day") << QDateTime(buildDate(), QTime(12, 0)) << QStringList();
        QTest::newRow("day before") << QDateTime(due.addDays(-1), QTime(23, 59)) << QStringList();
        QTest::newRow("midnight") << QDateTime(due, QTime(0, 0)) << QStringList();
        QTest::newRow("just after") << QDateTime(due, QTime(0, 0, 1)) << QStringList{reminder};
        QTest::newRow("later") << QDateTime(due.addYears(3), QTime(9, 0)) << QStringList{reminder};
    }
    void updateReminderAYearAfterTheBuild() {
        QFETCH(QDateTime, moment);
        QFETCH(QStringList, messages);
        QVERIFY(buildDate().isValid());
        QVERIFY(buildDate() <= QDate::currentDate());
        test::Sandbox sandbox;
        test::FakePrompter prompts;
        Program program;
        program.start();
        setNow(moment);
        program.main().close();
        QCOMPARE(prompts.messages, messages);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
