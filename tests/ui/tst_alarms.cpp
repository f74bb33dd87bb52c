#include "alarms/alarmpanel.h"
#include "alarms/timerpool.h"
#include "app/main.h"
#include "app/program.h"
#include "app/tray.h"
#include "store/clock.h"
#include "store/daynumber.h"
#include "store/programfolder.h"
#include "testsupport.h"
#include "widgets/taskgrid.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

using namespace corvane;

namespace {

const QDate today(2024, 3, 15);

// Today's tasks, in store order: time, what, alarm.
void putTasks(TfrmMain &main, const QList<QStringList> &tasks) {
    main.gridStore.setRowCount(int(tasks.size()) + 1);
    for (int i = 0; i < tasks.size(); ++i) {
        main.gridStore.setRowCells(i + 1, {storeKey(dayNumber(today), 101 + i), tasks[i][0], QString(),
                                           tasks[i][1], QStringLiteral("No"), tasks[i][2]});
    }
    main.readFromStore(dayNumber(today));
}

} // namespace

// The alarm monitor and the tray commands in the main window.
class TestAlarms : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::pinFormats("en_US"); }
    void init() { setNow(QDateTime(today, QTime(9, 0))); }
    void cleanup() { setNow(QDateTime()); }

    void triggersInOrderWithTheirHandles() {
        test::Sandbox sandbox;
        Program program;
        TfrmMain &main = program.main();
        const QList<int> handles{main.alarmTrigger, main.flashTrigger, main.layoutTrigger, main.hoverTrigger,
                                 main.clockTrigger};
        QCOMPARE(handles, (QList<int>{1, 2, 3, 4, 5}));
        const QList<int> intervals{50000, 1000, 40, 100, 1000};
        for (int i = 0; i < handles.size(); ++i) {
            QCOMPARE(main.timerPool->interval(handles[i]), intervals[i]);
            QVERIFY(main.timerPool->isEnabled(handles[i]));
        }
    }

    void panelFlashesAndClearsOnClick() {
        test::Sandbox sandbox;
        Program program;
        TfrmMain &main = program.main();
        program.start();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        AlarmPanel *panel = main.pnlAlarm;
        QVERIFY(panel->isHidden());
        QCOMPARE(panel->color(), AlarmPanel::lime);
        QCOMPARE(panel->font().pointSize(), 10);
        QVERIFY(panel->font().bold());
        main.tmPanelColorTimer();
        QCOMPARE(panel->color(), AlarmPanel::yellow);
        main.tmPanelColorTimer();
        QCOMPARE(panel->color(), AlarmPanel::lime);

        main.alarmShowing = true;
        panel->showAlarm(QStringLiteral("Alarm \"x\" at 9:00 AM ... click panel to clear"));
        QCOMPARE(panel->geometry().top(), main.menuBar()->geometry().bottom() + 1);
        QCOMPARE(panel->geometry().bottomRight(), main.rect().bottomRight());
        main.resize(main.width() + 40, main.height() + 30);
        QCOMPARE(panel->geometry().bottomRight(), main.rect().bottomRight());

        QTest::mouseClick(panel, Qt::LeftButton);
        QVERIFY(panel->isHidden());
        QVERIFY(!main.alarmShowing);
        QVERIFY(!main.timerPool->isEnabled(main.flashTrigger));
    }

    void toggleAlarmSurvivesADayChange() {
        test::Sandbox sandbox;
        setNow(QDateTime(today, QTime(9, 0)));
        Program program;
        TfrmMain &main = program.main();
        program.start();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QVERIFY(main.ToolButton15->isEnabled());

        // An empty day list: nothing happens.
        main.ToolButton15->trigger();
        QCOMPARE(main.gridStore.rowCount(), 1);

        putTasks(main, {{"2:30 PM", "Dentist", "No"}});
        main.gridDay->setRow(1);
        main.ToolButton15->trigger();
        QCOMPARE(main.gridDay->table().cell(4, 1), QStringLiteral("Yes"));
        main.readFromStore(dayNumber(today) + 1);
        main.readFromStore(dayNumber(today));
        QCOMPARE(main.gridDay->table().cell(4, 1), QStringLiteral("Yes"));
        QCOMPARE(main.gridStore.cell(StoreAlarm, 1), QStringLiteral("Yes"));
        QVERIFY(test::readFile(sandbox.path("grid.grd")).contains("Yes"));

        main.gridDay->setRow(1);
        main.ToolButton15->trigger();
        QCOMPARE(main.gridStore.cell(StoreAlarm, 1), QStringLiteral("No"));
    }

    // Offscreen there is never a tray: Hide minimises, and the task files are written as they stand.
    void hideWithoutTrayMinimisesAndSaves() {
        test::Sandbox sandbox;
        Program program;
        TfrmMain &main = program.main();
        program.start();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        putTasks(main, {{"2:30 PM", "Dentist", "No"}});
        main.gridNonday->table().setCell(1, 1, QStringLiteral("Call home"));
        QVERIFY(main.Hide1->isEnabled());
        QVERIFY(main.ToolButton14->isEnabled());

        main.Hide1->trigger();
        QVERIFY(main.isMinimized());
        QVERIFY(test::readFile(sandbox.path("grid.grd")).contains("Dentist"));
        QVERIFY(test::readFile(sandbox.path("gridNon.grd")).contains("Call home"));

        main.tray->showApplication();
        QVERIFY(!main.isMinimized());
        QVERIFY(main.isVisible());
        QFile::remove(sandbox.path("grid.grd"));
        main.ToolButton14->trigger();
        QVERIFY(main.isMinimized());
        QVERIFY(QFile::exists(sandbox.path("grid.grd")));
    }

    void autoStartWithoutTrayStartsMinimised() {
        test::Sandbox sandbox;
        test::writeFile(sandbox.settingsFile(), "[Options]\nAutoStart=1\n");
        Program program;
        program.start();
        QVERIFY(program.main().isMinimized());
    }

    void trayMenuCloseSavesAndEnds() {
        test::Sandbox sandbox;
        test::FakePrompter prompts;
        Program program;
        TfrmMain &main = program.main();
        program.start();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        putTasks(main, {{"2:30 PM", "Dentist", "No"}});
        main.tray->closeAction()->trigger();
        QVERIFY(main.alarmShowing);
        QVERIFY(test::readFile(sandbox.path("grid.grd")).contains("Dentist"));
        QVERIFY(QFile::exists(sandbox.path("gridNon.grd")));
        QVERIFY(QFile::exists(sandbox.settingsFile()));
        QVERIFY(prompts.messages.isEmpty()); // not the closing steps: no update reminder
    }
};

QTEST_MAIN(TestAlarms)
#include "tst_alarms.moc"
