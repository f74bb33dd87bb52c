#include "calendar/layoutmath.h"

#include <QTest>

using namespace corvane;

class LayoutMathTest : public QObject {
    Q_OBJECT
private slots:
    void calendarsFitTheSplitters_data();
    void calendarsFitTheSplitters();
    void calendarsShareEdges();
    void listColumns();
    void pulseRelayoutsOnceThenFlashes();
};

void LayoutMathTest::calendarsFitTheSplitters_data() {
    QTest::addColumn<int>("split2");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("navigator");
    QTest::addColumn<bool>("weekdays");
    QTest::addColumn<bool>("labels");
    QTest::addColumn<bool>("raised");
    QTest::addColumn<int>("fontSize"); // 0: the options' calendar font
    QTest::newRow("default 307") << 307 << 141 << true << true << true << true << 0;
    QTest::newRow("dragged to 180") << 180 << 87 << false << false << true << true << 0;
    QTest::newRow("60 high") << 125 << 60 << false << false << true << false << 6;
    QTest::newRow("50 high") << 105 << 50 << false << false << false << false << 6;
    QTest::newRow("45 high") << 95 << 45 << false << false << false << false << 4;
    QTest::newRow("navigator just hidden") << 206 << 100 << false << false << true << true << 0;
    QTest::newRow("navigator just shown") << 207 << 91 << true << false << true << true << 0;
}

void LayoutMathTest::calendarsFitTheSplitters() {
    QFETCH(int, split2);
    QFETCH(int, height);
    QFETCH(bool, navigator);
    QFETCH(bool, weekdays);
    QFETCH(bool, labels);
    QFETCH(bool, raised);
    QFETCH(int, fontSize);
    const CalendarLayout layout = calendarLayout(280, split2, 20);
    QCOMPARE(layout.rects[0].height(), height);
    QCOMPARE(layout.navigatorVisible, navigator);
    QCOMPARE(layout.showWeekdays, weekdays);
    QCOMPARE(layout.cellBevels, weekdays);
    QCOMPARE(layout.showLabels, labels);
    QCOMPARE(layout.raisedLabels, raised);
    QCOMPARE(layout.fontSize.value_or(0), fontSize);
}

void LayoutMathTest::calendarsShareEdges() {
    const CalendarLayout layout = calendarLayout(280, 307, 20);
    QCOMPARE(layout.rects[0], QRect(-1, -1, 139, 141));
    QCOMPARE(layout.rects[1], QRect(137, -1, 139, 141));
    QCOMPARE(layout.rects[2], QRect(-1, 139, 139, 141));
    QCOMPARE(layout.rects[3], QRect(137, 139, 139, 141));
}

void LayoutMathTest::listColumns() {
    ListMetrics metrics{400, 96, true, 16, 3};
    QCOMPARE(dayColumnWidths(metrics), (std::array<int, 5>{56, 72, 184, 40, 40}));
    QCOMPARE(nondayColumnWidths(metrics), (std::array<int, 3>{72, 280, 40}));
    // More tasks than fit: What gives up the scroll thumb's width.
    metrics.allRowsVisible = allRowsVisible(5, 8);
    QCOMPARE(dayColumnWidths(metrics)[2], 168);
    QCOMPARE(nondayColumnWidths(metrics)[1], 264);
    QVERIFY(allRowsVisible(7, 8));
    metrics = {400, 144, true, 16, 3};
    QCOMPARE(dayColumnWidths(metrics), (std::array<int, 5>{84, 108, 80, 60, 60}));
    // Texts wider than the layout's widths widen their columns; What keeps its minimum.
    metrics = {400, 96, true, 16, 3, {70, 0, 0, 0, 52}};
    QCOMPARE(dayColumnWidths(metrics), (std::array<int, 5>{70, 72, 158, 40, 52}));
    metrics.minimumWhat = 200;
    QCOMPARE(dayColumnWidths(metrics)[2], 200);
    QCOMPARE(nondayColumnWidths(metrics), (std::array<int, 3>{72, 280, 40}));
    QCOMPARE(minimumWindowWidth(96), 638);
    QCOMPARE(minimumWindowWidth(120), 797);
    QCOMPARE(minimumClientWidth(96), 630);
}

void LayoutMathTest::pulseRelayoutsOnceThenFlashes() {
    LayoutPulse pulse;
    bool lime = false;
    QCOMPARE(pulse.tick(&lime), LayoutPulse::Action::Relayout);
    pulse.startFlashing();
    QString colours;
    while (pulse.tick(&lime) == LayoutPulse::Action::Paint)
        colours += lime ? 'L' : '-';
    QCOMPARE(colours, QString("-L-L-L-L-L-L-L-"));
    QVERIFY(!pulse.flashing());
}

QTEST_MAIN(LayoutMathTest)
#include "tst_layoutmath.moc"
