#include "alarms/alarmpanel.h"
#include "alarms/timerpool.h"
#include "app/main.h"
#include "app/program.h"
#include "app/tray.h"
#include "settings/options.h"
#include "store/clock.h"
#include "store/daynumber.h"
#include "store/programfolder.h"
#include "testsupport.h"
#include "widgets/taskgrid.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QSignalSpy>
#include <QSpinBox>
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

// A running program at a fixed moment of today, with an alarm file and a recording sound.
struct Running {
    explicit Running(const QTime &time) {
        setNow(QDateTime(today, time));
        test::writeFile(sandbox.path("alarm.wav"), "RIFF");
        main.frmOptions->edPath->setText(sandbox.path("alarm.wav"));
        program.start();
    }
    void at(const QTime &time) {
        setNow(QDateTime(today, time));
        main.Timer1Timer();
    }

    test::Sandbox sandbox;
    test::FakeAlarmSound sound;
    Program program;
    TfrmMain &main = program.main();
};

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

    void alarmComesUpInItsMinute_data() {
        QTest::addColumn<int>("minutesAhead");
        QTest::addColumn<QTime>("checkedAt");
        QTest::addColumn<bool>("raised");
        QTest::newRow("on time, first second") << 0 << QTime(14, 30, 0) << true;
        QTest::newRow("on time, last second") << 0 << QTime(14, 30, 59) << true;
        QTest::newRow("on time, a minute early") << 0 << QTime(14, 29, 20) << false;
        QTest::newRow("15 ahead") << 15 << QTime(14, 15, 30) << true;
        QTest::newRow("15 ahead, at the time") << 15 << QTime(14, 30, 0) << false;
    }
    void alarmComesUpInItsMinute() {
        QFETCH(int, minutesAhead);
        QFETCH(QTime, checkedAt);
        QFETCH(bool, raised);
        Running run(QTime(9, 0));
        TfrmMain &main = run.main;
        main.frmOptions->edMin->setValue(minutesAhead);
        putTasks(main, {{"2:30 PM", "Dentist", "Yes"}});
        run.at(checkedAt);
        QCOMPARE(main.alarmShowing, raised);
        QCOMPARE(main.pnlAlarm->isVisible(), raised);
        if (!raised) {
            QVERIFY(run.sound.calls.isEmpty());
            return;
        }
        QCOMPARE(main.pnlAlarm->text(),
                 QStringLiteral("Alarm \"Dentist\" at 2:30 PM ... click panel to clear"));
        QCOMPARE(run.sound.calls, QStringList{"play " + run.sandbox.path("alarm.wav") + " loop"});
        QVERIFY(main.timerPool->isEnabled(main.flashTrigger));
        QCOMPARE(main.pnlAlarm->geometry().bottomRight(), main.rect().bottomRight());

        QTest::mouseClick(main.pnlAlarm, Qt::LeftButton);
        QVERIFY(!main.alarmShowing);
        QVERIFY(main.pnlAlarm->isHidden());
        QCOMPARE(run.sound.calls.last(), QStringLiteral("stop"));
    }

    void sameMinuteAgainAfterAnEarlyClear() {
        Running run(QTime(9, 0));
        TfrmMain &main = run.main;
        putTasks(main, {{"2:30 PM", "First", "Yes"}, {"2:30 PM", "Second", "Yes"}});
        run.at(QTime(14, 30, 5));
        QCOMPARE(main.pnlAlarm->text(),
                 QStringLiteral("Alarm \"First\" at 2:30 PM ... click panel to clear"));
        main.pnlAlarmClick();
        run.at(QTime(14, 30, 55));
        QVERIFY(main.alarmShowing);
        QCOMPARE(main.pnlAlarm->text(),
                 QStringLiteral("Alarm \"First\" at 2:30 PM ... click panel to clear"));
    }

    void nothingNewWhileAnAlarmShows() {
        Running run(QTime(9, 0));
        TfrmMain &main = run.main;
        putTasks(main, {{"2:30 PM", "First", "Yes"}, {"2:31 PM", "Later", "Yes"}});
        run.at(QTime(14, 30, 5));
        run.at(QTime(14, 31, 10));
        QCOMPARE(main.pnlAlarm->text(),
                 QStringLiteral("Alarm \"First\" at 2:30 PM ... click panel to clear"));
        QCOMPARE(run.sound.calls.size(), 1);
        main.pnlAlarmClick();
        run.at(QTime(14, 32, 0));
        QVERIFY(!main.alarmShowing); // its minute has passed
    }

    void noAlarmWhenSwitchedOffOrFiltered() {
        Running run(QTime(9, 0));
        TfrmMain &main = run.main;
        putTasks(main, {{"2:30 PM", "Dentist", "Yes"}});
        main.frmOptions->cbAlarm->setChecked(false);
        run.at(QTime(14, 30));
        QVERIFY(!main.alarmShowing);
        QVERIFY(main.pnlAlarm->isHidden());

        main.frmOptions->cbAlarm->setChecked(true);
        main.rowFilter = [](const QString &, const QString &) { return false; };
        run.at(QTime(14, 30));
        QVERIFY(!main.alarmShowing);
        QVERIFY(run.sound.calls.isEmpty());
    }

    void captionHoldsTheFirst40Characters() {
        Running run(QTime(9, 0));
        const QString sixty = QStringLiteral("abcdefghij").repeated(6);
        putTasks(run.main, {{"2:30 PM", sixty, "Yes"}});
        run.at(QTime(14, 30));
        QCOMPARE(run.main.pnlAlarm->text(),
                 "Alarm \"" + sixty.left(40) + "\" at 2:30 PM ... click panel to clear");
    }

    void snoozeFromTheMenuOrAKeyRingsAgain() {
        Running run(QTime(9, 0));
        TfrmMain &main = run.main;
        putTasks(main, {{"2:30 PM", "Dentist", "Yes"}});
        run.at(QTime(14, 30));
        AlarmPanel *panel = main.pnlAlarm;
        QCOMPARE(panel->contextMenuPolicy(), Qt::ActionsContextMenu);
        QStringList menu;
        for (QAction *action : panel->actions())
            menu << action->text() + " " + action->shortcut().toString();
        QCOMPARE(menu, (QStringList{"Snooze 5 minutes 1", "Snooze 15 minutes 2", "Snooze 1 hour 3"}));

        QTest::keyClick(panel, Qt::Key_1);
        QVERIFY(panel->isHidden());
        QVERIFY(!main.alarmShowing);
        QCOMPARE(run.sound.calls.last(), QStringLiteral("stop"));
        run.at(QTime(14, 34, 50));
        QVERIFY(!main.alarmShowing);
        run.at(QTime(14, 35, 5));
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->text(), QStringLiteral("Alarm \"Dentist\" at 2:30 PM ... click panel to clear"));

        panel->snoozeActions()[2]->trigger();
        QVERIFY(panel->isHidden());
        QCOMPARE(main.alarmMonitor.pending().size(), 1);
        QTest::mouseClick(panel, Qt::LeftButton); // a hidden panel takes no click
        run.at(QTime(15, 35, 10));
        QVERIFY(panel->isVisible());
        QTest::mouseClick(panel, Qt::LeftButton);
        QVERIFY(main.alarmMonitor.pending().isEmpty());
    }

    void missedAlarmsComeUpAfterARestartOneAfterAnother() {
        test::Sandbox sandbox;
        test::FakeAlarmSound sound;
        {
            setNow(QDateTime(today, QTime(9, 0)));
            Program program;
            program.start();
            putTasks(program.main(), {{"10:00 AM", "Standup", "Yes"}, {"11:00 AM", "Call the bank", "Yes"}});
            program.main().SortGridStore();
            program.main().Timer1Timer();
            QVERIFY(!program.main().alarmShowing);
        }
        setNow(QDateTime(today, QTime(12, 0)));
        Program program;
        TfrmMain &main = program.main();
        program.start();
        QVERIFY(main.pnlAlarm->isVisible());
        QCOMPARE(main.pnlAlarm->text(),
                 QStringLiteral("Missed alarm \"Standup\" at 10:00 AM ... click panel to clear"));
        QTest::mouseClick(main.pnlAlarm, Qt::LeftButton);
        QCOMPARE(main.pnlAlarm->text(),
                 QStringLiteral("Missed alarm \"Call the bank\" at 11:00 AM ... click panel to clear"));
        QVERIFY(main.alarmShowing);
        QTest::mouseClick(main.pnlAlarm, Qt::LeftButton);
        QVERIFY(main.pnlAlarm->isHidden());
        QVERIFY(!main.alarmShowing);
    }

    void triggersDispatchByHandle() {
        Running run(QTime(9, 0));
        TfrmMain &main = run.main;
        putTasks(main, {{"2:30 PM", "Dentist", "Yes"}});
        setNow(QDateTime(today, QTime(14, 30)));
        emit main.timerPool->allTriggers(main.flashTrigger, 1000);
        QVERIFY(!main.alarmShowing);
        QCOMPARE(main.pnlAlarm->color(), AlarmPanel::yellow);
        emit main.timerPool->allTriggers(main.alarmTrigger, 50000);
        QVERIFY(main.alarmShowing);
        QCOMPARE(main.pnlAlarm->color(), AlarmPanel::yellow);
    }

    void alarmBringsUpAMinimisedWindow() {
        test::Sandbox sandbox;
        test::writeFile(sandbox.settingsFile(), "[Options]\nAutoStart=1\n");
        test::FakeAlarmSound sound;
        Program program;
        TfrmMain &main = program.main();
        program.start();
        QVERIFY(main.isMinimized());
        putTasks(main, {{"2:30 PM", "Dentist", "Yes"}});
        setNow(QDateTime(today, QTime(14, 30)));
        main.Timer1Timer();
        QVERIFY(main.isVisible());
        QVERIFY(!main.isMinimized());
        QVERIFY(main.pnlAlarm->isVisible());
    }

    void hideStopsTheSoundAndKeepsThePanel() {
        Running run(QTime(9, 0));
        TfrmMain &main = run.main;
        putTasks(main, {{"2:30 PM", "Dentist", "Yes"}});
        run.at(QTime(14, 30));
        main.Hide1->trigger();
        QCOMPARE(run.sound.calls.last(), QStringLiteral("stop"));
        QVERIFY(main.alarmShowing);
        main.tray->showApplication();
        QVERIFY(main.pnlAlarm->isVisible());
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
