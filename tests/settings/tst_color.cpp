#include "calendar/monthcalendar.h"
#include "settings/color.h"
#include "settings/colorvalue.h"
#include "testsupport.h"
#include "widgets/colorcombo.h"

#include <QApplication>
#include <QColorDialog>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

using namespace corvane;
using namespace corvane::test;

class TestColor : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void valuesConvert_data();
    void valuesConvert();
    void systemColoursFollowThePalette();
    void comboShowsAnyCurrentColour_data();
    void comboShowsAnyCurrentColour();
    void comboCustomUsesTheColourDialog();
    void comboStepsPastCustom();
    void chooserLooksAsItShould();
    void pickingRepaintsOnlyTheDaysOfTheMonth();

private:
    // How many day cells of the sample show `color` in their corner.
    static int cellsIn(TfrmColor &dialog, const QColor &color);
};

void TestColor::initTestCase() {
    QLocale::setDefault(QLocale::c());
}

void TestColor::valuesConvert_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QColor>("color");
    QTest::newRow("aqua") << 0x00FFFF00 << QColor(0, 255, 255);
    QTest::newRow("red") << 0x000000FF << QColor(255, 0, 0);
    QTest::newRow("blue") << 0x00FF0000 << QColor(0, 0, 255);
    QTest::newRow("mixed") << 0x00123456 << QColor(0x56, 0x34, 0x12);
}

void TestColor::valuesConvert() {
    QFETCH(int, value);
    QFETCH(QColor, color);
    QCOMPARE(colorFromValue(value), color);
    QCOMPARE(valueFromColor(color), value);
    QVERIFY(!isSystemColor(value));
}

void TestColor::systemColoursFollowThePalette() {
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Text, QColor(1, 2, 3));
    palette.setColor(QPalette::Active, QPalette::Button, QColor(4, 5, 6));
    const int windowText = systemColorValue(8);
    QCOMPARE(windowText, int(0x80000008));
    QVERIFY(isSystemColor(windowText));
    QCOMPARE(colorFromValue(windowText, palette), QColor(1, 2, 3));
    QCOMPARE(colorFromValue(systemColorValue(15), palette), QColor(4, 5, 6));
    QCOMPARE(colorName(windowText), QStringLiteral("Window text"));
    // An index beyond the known ones still gives a colour.
    QVERIFY(colorFromValue(int(0x800000FF), palette).isValid());
}

void TestColor::comboShowsAnyCurrentColour_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("named") << 0x00FFFF00 << "Aqua";
    QTest::newRow("other") << 0x00123456 << "#563412";
    QTest::newRow("system") << int(0x8000000F) << "Button face";
}

void TestColor::comboShowsAnyCurrentColour() {
    QFETCH(int, value);
    QFETCH(QString, text);
    ColorCombo combo;
    const int rows = combo.count();
    combo.setColorValue(value);
    QCOMPARE(combo.colorValue(), value);
    QCOMPARE(combo.currentText(), text);
    combo.setColorValue(value); // again: no second row for it
    combo.setColorValue(0x00000000);
    combo.setColorValue(value);
    QVERIFY(combo.count() <= rows + 1);
    QCOMPARE(combo.itemText(combo.count() - 1), QStringLiteral("Custom…"));
}

void TestColor::comboCustomUsesTheColourDialog() {
    ColorCombo combo;
    combo.setColorValue(0x0000FF);
    QSignalSpy changed(&combo, &ColorCombo::colorChanged);
    ModalScript script;
    script.then([](QDialog &shown) {
        dynamic_cast<QColorDialog &>(shown).setCurrentColor(QColor(10, 20, 30));
        return int(QDialog::Accepted);
    });
    script.then([](QDialog &) { return int(QDialog::Rejected); });

    const int custom = combo.count() - 1;
    combo.setCurrentIndex(custom);
    emit combo.activated(custom);
    QCOMPARE(combo.colorValue(), 0x1E140A);
    QCOMPARE(changed.count(), 1);

    combo.setCurrentIndex(combo.count() - 1);
    emit combo.activated(combo.count() - 1);
    QCOMPARE(combo.colorValue(), 0x1E140A);
    QCOMPARE(combo.currentText(), QStringLiteral("#0a141e"));
    QCOMPARE(changed.count(), 1);
}

void TestColor::comboStepsPastCustom() {
    ColorCombo combo;
    const int last = combo.itemData(combo.count() - 2).toInt(); // the colour above "Custom…"
    combo.setColorValue(last);
    ModalScript script; // no dialog may open
    QTest::keyClick(&combo, Qt::Key_Down);
    QWheelEvent wheel(QPointF(5, 5), combo.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&combo, &wheel);
    QCOMPARE(script.shown, QStringList());
    QCOMPARE(combo.colorValue(), last);
    QCOMPARE(combo.currentIndex(), combo.count() - 2);
}

int TestColor::cellsIn(TfrmColor &dialog, const QColor &color) {
    const QImage image = dialog.cal2->grab().toImage();
    int found = 0;
    for (int cell = 1; cell <= 42; ++cell)
        if (QColor(image.pixel(dialog.cal2->cellRect(cell).topLeft() + QPoint(2, 2))) == color)
            ++found;
    return found;
}

void TestColor::chooserLooksAsItShould() {
    TfrmColor dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Set Color"));
    QCOMPARE(dialog.cal2->date(), QDate(1998, 11, 1));
    QCOMPARE(dialog.cal2->firstDayOfWeek(), Qt::Sunday);
    QVERIFY(dialog.cal2->oneLetterWeekdays());
    QVERIFY(dialog.cal2->showLabels());
    QVERIFY(dialog.btOK->isDefault());
    // The month cannot be left: a click on a day of December changes nothing.
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::mouseClick(&dialog, Qt::LeftButton, {},
                      dialog.cal2->mapTo(&dialog, dialog.cal2->cellRect(42).center()));
    QCOMPARE(dialog.cal2->date(), QDate(1998, 11, 1));
}

void TestColor::pickingRepaintsOnlyTheDaysOfTheMonth() {
    TfrmColor dialog;
    dialog.cbFG->setColorValue(0x000000);
    dialog.cbBG->setColorValue(0x00FFFF00);
    dialog.resize(320, 320);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(cellsIn(dialog, QColor(0, 255, 255)), 30);

    const int lime = dialog.cbBG->findText(QStringLiteral("Lime"));
    dialog.cbBG->setCurrentIndex(lime);
    emit dialog.cbBG->activated(lime);
    QCOMPARE(dialog.cbBG->colorValue(), 0x00FF00);
    QCOMPARE(cellsIn(dialog, QColor(0, 255, 0)), 30);
    QCOMPARE(cellsIn(dialog, QColor(0, 255, 255)), 0);
    // December keeps the calendar's own look, whatever was picked.
    const QImage image = dialog.cal2->grab().toImage();
    const QColor december1(image.pixel(dialog.cal2->cellRect(31).topLeft() + QPoint(2, 2)));
    const QColor december12(image.pixel(dialog.cal2->cellRect(42).topLeft() + QPoint(2, 2)));
    QCOMPARE(dialog.cal2->dateOfCell(31), QDate(1998, 12, 1));
    QCOMPARE(december12, december1);
    QVERIFY(december1 != QColor(0, 255, 0));
}

QTEST_MAIN(TestColor)
#include "tst_color.moc"
