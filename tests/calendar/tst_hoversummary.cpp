#include "calendar/hoversummary.h"
#include "store/daynumber.h"

#include <QTest>

using namespace corvane;

namespace {

const int Day = 46000;

TaskTable storeOf(const QList<QStringList> &rows) { // day offset, time, category, done
    TaskTable store(6, int(rows.size()) + 1);
    int row = 1;
    for (const QStringList &r : rows) {
        store.setRowCells(row, {storeKey(Day + r[0].toInt(), 100 + row), r[1], r[2], "what", r[3], "No"});
        ++row;
    }
    return store;
}

bool hideWork(const QString &, const QString &category) {
    return category != QLatin1String("Work");
}

} // namespace

class HoverSummaryTest : public QObject {
    Q_OBJECT
private slots:
    void summaryLines_data();
    void summaryLines();
    void panelCoversTheOtherColumn();
    void restingOnACellBuildsOnce();
    void jerkHidesAndNeighbourFollowsQuickly();
};

void HoverSummaryTest::summaryLines_data() {
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<QString>("holiday");
    QTest::addColumn<bool>("filtered");
    QTest::addColumn<QStringList>("lines");
    const QList<QStringList> example{{"-1", "8:00 AM", "Home", "No"},
                                     {"0", "9:00 AM", "Work", "No"},
                                     {"0", "10:00 AM", "Home", "Yes"},
                                     {"0", "1:30 PM", "Home", "No"},
                                     {"1", "2:00 PM", "Home", "No"}};
    QTest::newRow("two pending, one completed")
        << example << QString() << false
        << QStringList{"2\t Pending events", "1\t Completed events", "", "9:00 AM\tWork", "1:30 PM\tHome"};
    QTest::newRow("filter hides Work")
        << example << QString() << true
        << QStringList{"1\t Pending events", "1\t Completed events", "", "1:30 PM\tHome"};
    QTest::newRow("no tasks, holiday")
        << QList<QStringList>{} << "Christmas Day" << false << QStringList{"Christmas Day", "", "No events"};
    QTest::newRow("only hidden tasks") << QList<QStringList>{{"0", "9:00 AM", "Work", "No"}} << QString()
                                       << true << QStringList{"No events"};
    QTest::newRow("all completed") << QList<QStringList>{{"0", "9:00 AM", "Home", "Yes"}} << QString()
                                   << false << QStringList{"1\t Completed events"};
    QTest::newRow("odd done text is pending")
        << QList<QStringList>{{"0", "9:00 AM", "Home", "Maybe"}} << QString() << false
        << QStringList{"1\t Pending events", "", "9:00 AM\tHome"};
}

void HoverSummaryTest::summaryLines() {
    QFETCH(QList<QStringList>, rows);
    QFETCH(QString, holiday);
    QFETCH(bool, filtered);
    QFETCH(QStringList, lines);
    const TaskTable store = storeOf(rows);
    QCOMPARE(daySummaryLines(store, Day, holiday, filtered ? RowFilter(hideWork) : RowFilter(passAll)),
             lines);
}

void HoverSummaryTest::panelCoversTheOtherColumn() {
    const QRect cal1(-1, -1, 139, 141);
    const QRect cal2(137, -1, 139, 141);
    // Over cal2 (right column): the panel goes over the left column, and the other way round.
    QCOMPARE(summaryPanelRect(cal1, cal2, true), QRect(1, 34, 137, 211));
    QCOMPARE(summaryPanelRect(cal1, cal2, false), QRect(139, 34, 137, 211));
}

void HoverSummaryTest::restingOnACellBuildsOnce() {
    HoverTracker tracker;
    tracker.mouseMoved(2, 17, QPoint(50, 60), false);
    QVERIFY(!tracker.onRightColumn());
    for (int tick = 1; tick < 10; ++tick)
        QVERIFY(!tracker.tick());
    QVERIFY(tracker.tick());
    QCOMPARE(tracker.cell(), 17);
    QCOMPARE(tracker.calendar(), 2);
    for (int tick = 0; tick < 30; ++tick)
        QVERIFY(!tracker.tick());

    // Outside the day cells nothing is built.
    tracker.mouseMoved(2, -1, QPoint(50, 5), false);
    for (int tick = 0; tick < 12; ++tick)
        QVERIFY(!tracker.tick());
}

void HoverSummaryTest::jerkHidesAndNeighbourFollowsQuickly() {
    HoverTracker tracker;
    QVERIFY(tracker.mouseMoved(1, 10, QPoint(40, 40), false));
    QVERIFY(tracker.onRightColumn());
    // Small steps to the neighbouring cell while the panel shows: rebuilt after two ticks.
    QVERIFY(!tracker.mouseMoved(1, 11, QPoint(44, 40), true));
    QVERIFY(!tracker.tick());
    QVERIFY(tracker.tick());
    // A jerk of 7 pixels in the same cell hides the panel and starts nothing new.
    QVERIFY(tracker.mouseMoved(1, 11, QPoint(51, 40), true));
    for (int tick = 0; tick < 12; ++tick)
        QVERIFY(!tracker.tick());
    // A jerk onto another cell hides the panel, which comes back after the full second.
    QVERIFY(tracker.mouseMoved(1, 12, QPoint(60, 40), true));
    for (int tick = 1; tick < 10; ++tick)
        QVERIFY(!tracker.tick());
    QVERIFY(tracker.tick());
}

QTEST_MAIN(HoverSummaryTest)
#include "tst_hoversummary.moc"
