#include "alarms/timerpool.h"

#include <QSignalSpy>
#include <QTest>

using corvane::TimerPool;

class TestTimerPool : public QObject {
    Q_OBJECT
private slots:
    void handlesFollowTheOrderOfAdding();
    void eachTickNamesItsTrigger();
    void disabledTriggerStaysSilentUntilEnabled();
    void unknownHandlesAreHarmless();
};

void TestTimerPool::handlesFollowTheOrderOfAdding() {
    TimerPool pool;
    const QList<int> intervals{50000, 1000, 40, 100, 1000};
    QList<int> handles;
    for (int ms : intervals)
        handles << pool.add(ms);
    QCOMPARE(handles, (QList<int>{1, 2, 3, 4, 5}));
    for (int i = 0; i < intervals.size(); ++i) {
        QCOMPARE(pool.interval(handles[i]), intervals[i]);
        QVERIFY(pool.isEnabled(handles[i]));
    }
}

void TestTimerPool::eachTickNamesItsTrigger() {
    TimerPool pool;
    const int slow = pool.add(60000);
    const int fast = pool.add(10);
    QSignalSpy spy(&pool, &TimerPool::allTriggers);
    QTRY_VERIFY(spy.count() >= 3);
    for (const QList<QVariant> &tick : spy) {
        QCOMPARE(tick.at(0).toInt(), fast);
        QCOMPARE(tick.at(1).toInt(), 10);
    }
    QVERIFY(slow != fast);
}

void TestTimerPool::disabledTriggerStaysSilentUntilEnabled() {
    TimerPool pool;
    const int handle = pool.add(10);
    pool.setEnabled(handle, false);
    QVERIFY(!pool.isEnabled(handle));
    QSignalSpy spy(&pool, &TimerPool::allTriggers);
    QTest::qWait(60);
    QCOMPARE(spy.count(), 0);

    pool.setEnabled(handle, true);
    QVERIFY(pool.isEnabled(handle));
    QTRY_VERIFY(spy.count() >= 1);
    QCOMPARE(spy.first().at(0).toInt(), handle);
}

void TestTimerPool::unknownHandlesAreHarmless() {
    TimerPool pool;
    pool.add(1000);
    for (int handle : {0, -1, 2, 99}) {
        pool.setEnabled(handle, true);
        QVERIFY(!pool.isEnabled(handle));
        QCOMPARE(pool.interval(handle), 0);
    }
    QCOMPARE(pool.count(), 1);
}

QTEST_GUILESS_MAIN(TestTimerPool)
#include "tst_timerpool.moc"
