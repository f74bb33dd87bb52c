#include "editing/timebar.h"
#include "store/clock.h"
#include "testsupport.h"
#include "widgets/analogclock.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimeEdit>

using namespace corvane;

class TimePopupTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void zeroStartsAtTheCurrentTime();
    void draggingAcrossSevenTurnsThePanelYellow();
    void typedTimeMovesThePointerAndTheClock();
    void keysStepTheTime();
    void nowButtonShowsAndSetsTheTime();
};

namespace {
// The pointer's line stands at ruler position x: dialog x = x + 8.
int pointerX(const TfrmTimePopup &picker) {
    return picker.imLine->x() - 8;
}
} // namespace

void TimePopupTest::initTestCase() {
    test::pinFormats("en_US");
    setNow(QDateTime(QDate(2000, 3, 15), QTime(10, 30, 20)));
}

void TimePopupTest::zeroStartsAtTheCurrentTime() {
    TfrmTimePopup picker;
    picker.settime(QTime(0, 0));
    QCOMPARE(picker.time(), QTime(10, 30, 20));
    picker.settime(QTime(6, 0));
    QCOMPARE(picker.time(), QTime(6, 0));
}

void TimePopupTest::draggingAcrossSevenTurnsThePanelYellow() {
    TfrmTimePopup picker;
    picker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picker));
    const int at655 = 8 + (6 * 60 + 54) / 3;
    QTest::mousePress(picker.Image1, Qt::LeftButton, {}, QPoint(at655, 20));
    QVERIFY(picker.pnlTime->isVisible());
    QCOMPARE(picker.pnlTime->text(), QString("06:55a"));
    QCOMPARE(picker.pnlTime->palette().color(QPalette::Window), QColor(0, 255, 255)); // aqua
    QTest::mouseMove(picker.Image1, QPoint(8 + (7 * 60 + 3) / 3, 20));
    QCOMPARE(picker.time(), QTime(7, 5));
    QCOMPARE(picker.pnlTime->text(), QString("07:05a"));
    QCOMPARE(picker.pnlTime->palette().color(QPalette::Window), QColor(255, 255, 0)); // yellow
    // The ruler's grounds: aqua before 7a, yellow from 7a to 7p.
    const QImage ruler = picker.Image1->pixmap().toImage();
    QCOMPARE(ruler.pixelColor(8 + (6 * 60) / 3, 2), QColor(0, 255, 255));
    QCOMPARE(ruler.pixelColor(8 + (12 * 60) / 3, 2), QColor(255, 255, 0));
    QTest::mouseRelease(picker.Image1, Qt::LeftButton, {}, QPoint(8 + (7 * 60 + 3) / 3, 20));
    QVERIFY(!picker.pnlTime->isVisible());
    QCOMPARE(picker.Clock1->time(), QTime(7, 5));
}

void TimePopupTest::typedTimeMovesThePointerAndTheClock() {
    TfrmTimePopup picker;
    picker.show();
    picker.dtTime->setTime(QTime(12, 0));
    QCOMPARE(pointerX(picker), 248);
    QCOMPARE(picker.Clock1->time(), QTime(12, 0));
    // Beyond the scale's last pixel the pointer stays where it was.
    picker.drawPointer(490, true);
    QCOMPARE(picker.time(), QTime(12, 0));
}

void TimePopupTest::keysStepTheTime() {
    TfrmTimePopup picker;
    picker.show();
    picker.dtTime->setTime(QTime(10, 0));
    QTest::keyClick(picker.dtTime, Qt::Key_Down);
    QCOMPARE(picker.time(), QTime(9, 59));
    QTest::keyClick(picker.btOK, Qt::Key_Up);
    QCOMPARE(picker.time(), QTime(10, 0));
    picker.dtTime->setTime(QTime(0, 30));
    QTest::keyClick(picker.dtTime, Qt::Key_PageDown);
    QCOMPARE(picker.time(), QTime(0, 30));
    QTest::keyClick(picker.dtTime, Qt::Key_Home);
    QCOMPARE(picker.time(), QTime(10, 30, 20));
    QCOMPARE(pointerX(picker), (10 * 60 + 30) / 3 + 8);
}

void TimePopupTest::nowButtonShowsAndSetsTheTime() {
    TfrmTimePopup picker;
    picker.dtTime->setTime(QTime(6, 0));
    QCOMPARE(picker.sbNow->text(), QString("It is 10:30 AM"));
    picker.sbNow->click();
    QCOMPARE(picker.time(), QTime(10, 30, 20));
    QCOMPARE(picker.Clock1->time(), QTime(10, 30, 20));
}

QTEST_MAIN(TimePopupTest)
#include "tst_timebar.moc"
