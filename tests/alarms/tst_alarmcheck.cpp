#include "alarms/alarmcheck.h"
#include "store/clock.h"
#include "store/dateformats.h"
#include "store/daynumber.h"

#include <QTest>

using namespace corvane;

namespace {

struct Task {
    int dayOffset; // from the fixed today
    QString time;
    QString what;
    QString alarm = QStringLiteral("Yes");
    QString category = QStringLiteral("Work");
};

const QDate today(2024, 3, 15);

TaskTable storeOf(const QList<Task> &tasks) {
    TaskTable store(6, int(tasks.size()) + 1);
    for (int i = 0; i < tasks.size(); ++i) {
        const Task &t = tasks[i];
        store.setRowCells(i + 1, {storeKey(dayNumber(today) + t.dayOffset, 101 + i), t.time, t.category,
                                  t.what, QStringLiteral("No"), t.alarm});
    }
    store.sort();
    return store;
}

bool notHidden(const QString &, const QString &category) {
    return category != QLatin1String("Hidden");
}

} // namespace

class TestAlarmCheck : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        setFormats(FormatSettings::fromLocale(QLocale(QLocale::English, QLocale::UnitedStates)));
    }
    void cleanupTestCase() { setNow({}); }

    void check_data() {
        QTest::addColumn<QList<Task>>("tasks");
        QTest::addColumn<QTime>("now");
        QTest::addColumn<int>("minutesAhead");
        QTest::addColumn<bool>("playAlarm");
        QTest::addColumn<QString>("expected"); // the task's text, empty for no alarm

        const QList<Task> one{{0, "2:30 PM", "Dentist"}};
        QTest::newRow("start of the minute") << one << QTime(14, 30, 0) << 0 << true << "Dentist";
        QTest::newRow("end of the minute") << one << QTime(14, 30, 59) << 0 << true << "Dentist";
        QTest::newRow("a second early") << one << QTime(14, 29, 59) << 0 << true << "";
        QTest::newRow("a minute late") << one << QTime(14, 31, 0) << 0 << true << "";
        QTest::newRow("15 minutes ahead") << one << QTime(14, 15, 40) << 15 << true << "Dentist";
        QTest::newRow("15 ahead, at the time") << one << QTime(14, 30, 0) << 15 << true << "";
        QTest::newRow("play alarm off") << one << QTime(14, 30, 0) << 0 << false << "";
        QTest::newRow("alarm No") << QList<Task>{{0, "2:30 PM", "Dentist", "No"}} << QTime(14, 30) << 0
                                  << true << "";
        QTest::newRow("yesterday's task")
            << QList<Task>{{-1, "2:30 PM", "Dentist"}} << QTime(14, 30) << 0 << true << "";
        QTest::newRow("two in the same minute")
            << QList<Task>{{0, "9:00 AM", "Early", "No"}, {0, "2:30 PM", "First"}, {0, "2:30 PM", "Second"}}
            << QTime(14, 30, 20) << 0 << true << "First";
        QTest::newRow("past midnight: tomorrow's task")
            << QList<Task>{{1, "12:05 AM", "Tomorrow"}} << QTime(23, 55) << 10 << true << "";
        QTest::newRow("past midnight: today's early task")
            << QList<Task>{{0, "12:05 AM", "Early today"}, {1, "12:05 AM", "Tomorrow"}} << QTime(23, 55) << 10
            << true << "Early today";
        QTest::newRow("all hidden by the filter")
            << QList<Task>{{0, "2:30 PM", "Dentist", "Yes", "Hidden"}} << QTime(14, 30) << 0 << true << "";
        // The rows looked at start at today's first shown row and run for as many rows as are shown.
        QTest::newRow("hidden row inside the stretch")
            << QList<Task>{{0, "9:00 AM", "Shown", "No"},
                           {0, "2:30 PM", "Hidden inside", "Yes", "Hidden"},
                           {0, "4:00 PM", "Shown later", "No"}}
            << QTime(14, 30) << 0 << true << "Hidden inside";
        QTest::newRow("shown row beyond the stretch")
            << QList<Task>{{0, "9:00 AM", "Hidden", "No", "Hidden"},
                           {0, "10:00 AM", "Shown", "No"},
                           {0, "11:00 AM", "Hidden too", "No", "Hidden"},
                           {0, "2:30 PM", "Beyond"}}
            << QTime(14, 30) << 0 << true << "";
        QTest::newRow("empty time") << QList<Task>{{0, "", "No time"}} << QTime(14, 30) << 0 << true << "";
        // A time that does not read would count as the current moment and ring at every check.
        QTest::newRow("unreadable time")
            << QList<Task>{{0, "soon", "Whenever"}} << QTime(14, 30, 10) << 0 << true << "";
        QTest::newRow("24-hour text")
            << QList<Task>{{0, "14:30", "Dentist"}} << QTime(14, 30) << 0 << true << "Dentist";
    }
    void check() {
        QFETCH(QList<Task>, tasks);
        QFETCH(QTime, now);
        QFETCH(int, minutesAhead);
        QFETCH(bool, playAlarm);
        QFETCH(QString, expected);
        setNow(QDateTime(today, now));
        const TaskTable store = storeOf(tasks);
        QString what = QStringLiteral("stale"), time;
        const bool found = isThereAnAlarmReady(store, playAlarm, minutesAhead, notHidden, what, time);
        QCOMPARE(found, !expected.isEmpty());
        if (found) {
            QCOMPARE(what, expected);
            for (const Task &t : std::as_const(tasks)) {
                if (t.what == expected) {
                    QCOMPARE(time, t.time);
                    break;
                }
            }
        }
    }

    void emptyStore() {
        setNow(QDateTime(today, QTime(14, 30)));
        QString what, time;
        QVERIFY(!isThereAnAlarmReady(TaskTable(6, 1), true, 0, passAll, what, time));
    }

    void caption_data() {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("expected");
        QTest::newRow("short") << "Dentist"
                               << "Alarm \"Dentist\" at 2:30 PM ... click panel to clear";
        const QString sixty = QStringLiteral("0123456789").repeated(6);
        QTest::newRow("60 characters")
            << sixty << "Alarm \"" + sixty.left(40) + "\" at 2:30 PM ... click panel to clear";
        QTest::newRow("exactly 40") << sixty.left(40)
                                    << "Alarm \"" + sixty.left(40) + "\" at 2:30 PM ... click panel to clear";
    }
    void caption() {
        QFETCH(QString, what);
        QFETCH(QString, expected);
        QCOMPARE(alarmCaption(what, QStringLiteral("2:30 PM")), expected);
    }

    void toggle() {
        QCOMPARE(toggledAlarm(QStringLiteral("Yes")), QStringLiteral("No"));
        QCOMPARE(toggledAlarm(QStringLiteral("No")), QStringLiteral("Yes"));
        QCOMPARE(toggledAlarm(QString()), QStringLiteral("Yes"));
    }
};

QTEST_GUILESS_MAIN(TestAlarmCheck)
#include "tst_alarmcheck.moc"
