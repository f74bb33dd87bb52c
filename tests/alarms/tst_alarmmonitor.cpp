#include "alarms/alarmmonitor.h"
#include "app/dayview.h"
#include "store/clock.h"
#include "store/daynumber.h"
#include "testsupport.h"

#include <QTest>

using namespace corvane;

namespace {

const QDate today(2024, 3, 15);

struct Task {
    int dayOffset;
    QString time;
    QString what;
    QString alarm = QStringLiteral("Yes");
    QString done = QStringLiteral("No");
    QString category = QStringLiteral("Work");
};

TaskTable storeOf(const QList<Task> &tasks) {
    TaskTable store;
    setUpStoreTable(store);
    store.setRowCount(int(tasks.size()) + 1);
    for (int i = 0; i < tasks.size(); ++i) {
        const Task &t = tasks[i];
        store.setRowCells(i + 1, {storeKey(dayNumber(today) + t.dayOffset, 101 + i), t.time, t.category,
                                  t.what, t.done, t.alarm});
    }
    sortStore(store);
    return store;
}

QDateTime at(int hour, int minute, int dayOffset = 0) {
    return QDateTime(today.addDays(dayOffset), QTime(hour, minute));
}

// The captions of every alarm the monitor raises from now on, clearing each in turn.
QStringList raisedInTurn(AlarmMonitor &monitor, const TaskTable &store, std::optional<RaisedAlarm> alarm,
                         const AlarmOptions &options = {}) {
    QStringList captions;
    while (alarm) {
        captions << alarm->caption;
        if (!monitor.clearShown())
            break;
        alarm = monitor.nextDue(store, options);
    }
    return captions;
}

bool notHidden(const QString &, const QString &category) {
    return category != QLatin1String("Hidden");
}

} // namespace

class TestAlarmMonitor : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::pinFormats("en_US"); }
    void cleanup() { setNow(QDateTime()); }

    void suspendOfThreeHoursAcrossTwoAlarms() {
        test::Sandbox sandbox;
        const TaskTable store = storeOf({{0, "10:00 AM", "Dentist"},
                                         {0, "10:30 AM", "No alarm", "No"},
                                         {0, "10:45 AM", "Already done", "Yes", "Yes"},
                                         {0, "11:00 AM", "Call the bank"},
                                         {0, "12:10 PM", "Hidden one", "Yes", "No", "Hidden"}});
        AlarmMonitor monitor;
        setNow(at(9, 0));
        QVERIFY(!monitor.check(store, {}, notHidden, false));
        setNow(at(12, 0).addSecs(20)); // three hours later, the machine wakes up
        const std::optional<RaisedAlarm> first = monitor.check(store, {}, notHidden, false);
        QVERIFY(first);
        QCOMPARE(raisedInTurn(monitor, store, first),
                 (QStringList{"Missed alarm \"Dentist\" at 10:00 AM ... click panel to clear",
                              "Missed alarm \"Call the bank\" at 11:00 AM ... click panel to clear"}));
        QVERIFY(monitor.pending().isEmpty());
        setNow(at(12, 1));
        QVERIFY(!monitor.check(store, {}, notHidden, false)); // nothing twice
    }

    // What a gap catches: alarm moments after the last check's minute and before this check's minute.
    void gapCatches_data() {
        QTest::addColumn<QDateTime>("before");
        QTest::addColumn<QDateTime>("after");
        QTest::addColumn<AlarmOptions>("options");
        QTest::addColumn<QStringList>("captions");

        const AlarmOptions plain;
        const QString dentist = "Missed alarm \"Dentist\" at 9:59 AM ... click panel to clear";
        const QString lateCall = "Missed alarm \"Late call\" at 10:00 PM on 3/14/24 ... click panel to clear";
        QTest::newRow("two minutes are no gap") << at(9, 58) << at(10, 0) << plain << QStringList();
        QTest::newRow("three minutes are")
            << at(9, 57).addSecs(50) << at(10, 0).addSecs(51) << plain << QStringList{dentist};
        QTest::newRow("this minute is the ordinary check's")
            << at(9, 50) << at(9, 59).addSecs(30) << plain
            << QStringList{"Alarm \"Dentist\" at 9:59 AM ... click panel to clear"};
        QTest::newRow("15 minutes ahead")
            << at(9, 30) << at(9, 50) << AlarmOptions{true, 15} << QStringList{dentist};
        QTest::newRow("alarms off") << at(9, 0) << at(11, 0) << AlarmOptions{false, 0} << QStringList();
        QTest::newRow("yesterday, within a day")
            << at(20, 0, -1) << at(9, 0) << plain << QStringList{lateCall};
        QTest::newRow("no further back than a day")
            << at(8, 0, -2) << at(21, 0) << plain << QStringList{lateCall, dentist};
    }
    void gapCatches() {
        QFETCH(QDateTime, before);
        QFETCH(QDateTime, after);
        QFETCH(AlarmOptions, options);
        QFETCH(QStringList, captions);
        test::Sandbox sandbox;
        const TaskTable store = storeOf({{-1, "10:00 AM", "More than a day back"},
                                         {-1, "10:00 PM", "Late call"},
                                         {0, "9:59 AM", "Dentist"}});
        AlarmMonitor monitor;
        setNow(before);
        (void)monitor.check(store, options, passAll, false);
        setNow(after);
        QCOMPARE(raisedInTurn(monitor, store, monitor.check(store, options, passAll, false), options),
                 captions);
    }

    void restartAcrossAnAlarm() {
        test::Sandbox sandbox;
        const TaskTable store = storeOf({{0, "9:10 AM", "Standup"}});
        {
            AlarmMonitor firstRun;
            setNow(at(8, 59));
            QVERIFY(!firstRun.start(store, {}, passAll)); // never checked before: nothing to catch up
            QVERIFY(!firstRun.check(store, {}, passAll, false));
        }
        setNow(at(9, 30)); // the program was closed in between
        AlarmMonitor secondRun;
        QCOMPARE(secondRun.lastCheck(), at(8, 59));
        QCOMPARE(raisedInTurn(secondRun, store, secondRun.start(store, {}, passAll)),
                 QStringList{"Missed alarm \"Standup\" at 9:10 AM ... click panel to clear"});
        AlarmMonitor thirdRun;
        QCOMPARE(thirdRun.lastCheck(), at(9, 30));
        QVERIFY(!thirdRun.start(store, {}, passAll));
    }

    void snoozeAcrossARestart() {
        test::Sandbox sandbox;
        const TaskTable store = storeOf({{0, "10:00 AM", "Dentist"}});
        {
            AlarmMonitor monitor;
            setNow(at(10, 0));
            QVERIFY(monitor.check(store, {}, passAll, false));
            QVERIFY(monitor.snoozeShown(15));
        }
        setNow(at(10, 5));
        AlarmMonitor restarted;
        QCOMPARE(restarted.pending().size(), 1);
        QVERIFY(!restarted.start(store, {}, passAll));
        setNow(at(10, 14, 0).addSecs(59));
        QVERIFY(!restarted.check(store, {}, passAll, false));
        setNow(at(10, 15));
        const std::optional<RaisedAlarm> again = restarted.check(store, {}, passAll, false);
        QVERIFY(again);
        QCOMPARE(again->caption, QStringLiteral("Alarm \"Dentist\" at 10:00 AM ... click panel to clear"));
        QVERIFY(restarted.snoozeShown(60)); // snoozed once more, then cleared
        setNow(at(11, 15));
        QVERIFY(restarted.check(store, {}, passAll, false));
        QVERIFY(restarted.clearShown());
        QVERIFY(AlarmMonitor().pending().isEmpty());
    }

    void snoozeEndsWithItsTask_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::newRow("completed") << int(StoreDone) << "Yes";
        QTest::newRow("alarm switched off") << int(StoreAlarm) << "No";
        QTest::newRow("text changed") << int(StoreWhat) << "Dentist at nine";
        QTest::newRow("deleted") << int(StoreKey) << "";
    }
    void snoozeEndsWithItsTask() {
        QFETCH(int, column);
        QFETCH(QString, text);
        test::Sandbox sandbox;
        TaskTable store = storeOf({{0, "10:00 AM", "Dentist"}});
        AlarmMonitor monitor;
        setNow(at(10, 0));
        QVERIFY(monitor.check(store, {}, passAll, false));
        QVERIFY(monitor.snoozeShown(5));
        store.setCell(column, 1, text);
        sortStore(store);
        setNow(at(10, 5));
        QVERIFY(!monitor.check(store, {}, passAll, false));
        QVERIFY(monitor.pending().isEmpty());
        QVERIFY(AlarmMonitor().pending().isEmpty());
    }

    void unreadableSettingsWaitForNothing() {
        test::Sandbox sandbox;
        test::writeFile(sandbox.settingsFile(),
                        "[Alarms]\nLastCheck=yesterday\nPending=[{\"ringAt\":3}, 7, \"x\"\n");
        AlarmMonitor monitor;
        QVERIFY(!monitor.lastCheck().isValid());
        QVERIFY(monitor.pending().isEmpty());
    }
};

Q_DECLARE_METATYPE(corvane::AlarmOptions)

QTEST_MAIN(TestAlarmMonitor)
#include "tst_alarmmonitor.moc"
