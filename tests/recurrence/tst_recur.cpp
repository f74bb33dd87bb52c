#include "recurrence/daygrid.h"
#include "recurrence/recur.h"
#include "store/clock.h"
#include "store/daynumber.h"
#include "store/routines.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTest>

#include <memory>

using namespace corvane;

namespace {

const QDate today(2000, 3, 15);

} // namespace

class RecurDialogTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::pinFormats("en_US"); }
    void init();
    void cleanup();

    void opensWithItsDefaults();
    void kindChoiceShowsItsPanel_data();
    void kindChoiceShowsItsPanel();
    void previewFillsTheList();
    void previewWithNothingTicked();
    void rangeOverTheLimitKeepsThePreviousList();
    void dayGridTogglesDays();
    void fourthAndLastAreExclusive();
    void deleteRemovesTheSelectedLines();
    void resetKeepsTheRule();
    void confirmInsertsEveryRemainingLine();
    void fullListWarnsOnceAndKeepsItsLines();
    void escapeCancels();
    void screenshots();

private:
    // A weekly rule on Monday and Thursday from 16 March, previewed: 11 dates over five weeks.
    void previewMondaysAndThursdays();

    std::unique_ptr<test::FakePrompter> prompts;
    std::unique_ptr<TaskTable> store;
    std::unique_ptr<TfrmRecur> dialog;
    int saves = 0;
};

void RecurDialogTest::init() {
    setNow(QDateTime(today, QTime(10, 30)));
    prompts = std::make_unique<test::FakePrompter>();
    store = std::make_unique<TaskTable>(6, 1);
    store->setColumnCompare(StoreKey, compareStoreKeys);
    saves = 0;
    dialog = std::make_unique<TfrmRecur>(*store, [this] {
        store->sort();
        ++saves;
    });
    dialog->init("10:30 AM", "Health", "Buy milk", "Yes");
    dialog->startDate = today.addDays(1);
    dialog->show();
}

void RecurDialogTest::cleanup() {
    dialog.reset();
    store.reset();
    prompts.reset();
    setNow(QDateTime());
}

void RecurDialogTest::previewMondaysAndThursdays() {
    dialog->rbWeekly->click();
    dialog->date2->setDate(QDate(2000, 4, 21));
    dialog->cbWMon->setChecked(true);
    dialog->cbWThu->setChecked(true);
    dialog->btPreview->click();
}

void RecurDialogTest::opensWithItsDefaults() {
    QCOMPARE(dialog->windowTitle(), QString("Repeating event for Buy milk..."));
    QCOMPARE(dialog->date1->date(), QDate(2000, 3, 16));
    QCOMPARE(dialog->date2->date(), QDate(2000, 4, 15));
    QCOMPARE(dialog->lblNdays->text(), QString("30"));
    QVERIFY(dialog->rbWofM->isChecked());
    QCOMPARE(dialog->pnlKinds->currentWidget(), dialog->pnlWofM);
    QVERIFY(!dialog->btOK->isEnabled());
    QVERIFY(!dialog->btDelete->isEnabled());
    QVERIFY(dialog->btPreview->isDefault());
    QCOMPARE(dialog->Label12->text(), QString("Number of dates: "));
    QCOMPARE(dialog->ListBox1->toolTip(), QString("Click and drag to select multiple dates to delete"));
    QCOMPARE(dialog->btOK->toolTip(), QString("Add multiple reminders"));
    const QList<std::pair<QSpinBox *, int>> counters{
        {dialog->cntWofM, 12}, {dialog->cntDofM, 12}, {dialog->cntWeekly, 52}, {dialog->cntDaily, 364}};
    for (const auto &[counter, maximum] : counters) {
        QCOMPARE(counter->value(), 1);
        QCOMPARE(counter->minimum(), 1);
        QCOMPARE(counter->maximum(), maximum);
    }
    const QList<std::pair<QAbstractButton *, QString>> captions{{dialog->rbWofM, "&Week of Month"},
                                                                {dialog->rbDofM, "Da&ys of Month"},
                                                                {dialog->rbWeekly, "W&eekly"},
                                                                {dialog->rbDaily, "D&aily"},
                                                                {dialog->rbAnnual, "Annually"},
                                                                {dialog->btPreview, "&Preview Selection"},
                                                                {dialog->btReset, "&Reset"},
                                                                {dialog->btDelete, "&Delete"},
                                                                {dialog->btOK, "OK"},
                                                                {dialog->btCancel, "Cancel"},
                                                                {dialog->cbLast, "Last"},
                                                                {dialog->cbDofMAvoidSat, "Avoid Saturdays?"},
                                                                {dialog->cbDailyAvoidSun, "Avoid Sundays?"}};
    for (const auto &[button, caption] : captions)
        QCOMPARE(button->text(), caption);
    // Labels with their access keys lead to their controls.
    QStringList buddies;
    for (QLabel *label : dialog->findChildren<QLabel *>())
        if (label->buddy())
            buddies << label->text();
    for (const char *text : {"&Start Date", "E&nd Date", "E&very"})
        QVERIFY2(buddies.contains(text), qPrintable(text));

    // The day count follows both dates, negative when the end comes first.
    dialog->date2->setDate(QDate(2000, 3, 10));
    QCOMPARE(dialog->lblNdays->text(), QString("-6"));
}

void RecurDialogTest::kindChoiceShowsItsPanel_data() {
    QTest::addColumn<int>("kind");
    for (int kind = 0; kind < 5; ++kind)
        QTest::newRow(qPrintable(QString::number(kind))) << kind;
}

void RecurDialogTest::kindChoiceShowsItsPanel() {
    QFETCH(int, kind);
    const std::array<QRadioButton *, 5> buttons{dialog->rbWofM, dialog->rbDofM, dialog->rbWeekly,
                                                dialog->rbDaily, dialog->rbAnnual};
    const std::array<QWidget *, 5> panels{dialog->pnlWofM, dialog->pnlDofM, dialog->pnlWeekly,
                                          dialog->pnlDaily, dialog->pnlAnnual};
    buttons[kind]->click();
    for (int other = 0; other < 5; ++other)
        QCOMPARE(panels[other]->isVisible(), other == kind);
    QCOMPARE(int(dialog->rule().kind), kind);
}

void RecurDialogTest::previewFillsTheList() {
    previewMondaysAndThursdays();
    QCOMPARE(dialog->ListBox1->count(), 11);
    QCOMPARE(dialog->ListBox1->item(0)->text(), QString("3/16/2000\tThu\tTomorrow"));
    QCOMPARE(dialog->ListBox1->item(1)->text(), QString("3/20/2000\tMon\t5 days"));
    QCOMPARE(dialog->Label12->text(), QString("Number of dates: 11"));
    QVERIFY(dialog->btOK->isEnabled());
    QVERIFY(!dialog->btDelete->isEnabled());
    QVERIFY(prompts->errors.isEmpty());
}

void RecurDialogTest::previewWithNothingTicked() {
    // Enter presses Preview.
    QTest::keyClick(dialog->cntWofM, Qt::Key_Return);
    QCOMPARE(prompts->errors,
             QStringList{"No dates were generated.  Check your starting/ending dates and selections."});
    QCOMPARE(dialog->Label12->text(), QString("Number of dates: 0"));
    QVERIFY(!dialog->btOK->isEnabled());
}

void RecurDialogTest::rangeOverTheLimitKeepsThePreviousList() {
    previewMondaysAndThursdays();
    dialog->date1->setDate(QDate(2000, 1, 1));
    dialog->date2->setDate(QDate(2020, 4, 6));
    dialog->btPreview->click();
    QCOMPARE(prompts->errors, QStringList{"Date range exceeds 20 years!"});
    QCOMPARE(dialog->ListBox1->count(), 11);
    QCOMPARE(dialog->Label12->text(), QString("Number of dates: 11"));

    // Exactly 7400 days is allowed.
    dialog->date2->setDate(QDate(2020, 4, 5));
    dialog->btPreview->click();
    QCOMPARE(prompts->errors.size(), 1);
    QCOMPARE(dialog->ListBox1->count(), 2114);
}

void RecurDialogTest::dayGridTogglesDays() {
    dialog->rbDofM->click();
    DayGrid *grid = dialog->sgMonth;
    grid->selectCell(4, 3); // day 32: blank
    QVERIFY(std::none_of(grid->days().begin(), grid->days().end(), [](bool day) { return day; }));
    grid->selectCell(4, 2); // day 31, twice
    grid->selectCell(4, 2);
    QVERIFY(!grid->days()[30]);
    // A click selects; selected days are white on black with the number at the top left.
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(2, 0).center());
    QVERIFY(grid->days()[14]);
    const QImage image = grid->grab().toImage();
    const QRect selected = grid->cellRect(2, 0);
    const QRect plain = grid->cellRect(2, 1);
    QCOMPARE(image.pixelColor(selected.bottomRight() - QPoint(1, 1)), QColor(Qt::black));
    QCOMPARE(image.pixelColor(plain.bottomRight() - QPoint(1, 1)), QColor(Qt::white));
    QCOMPARE(dialog->rule().days, grid->days());
    // Space selects the focus cell, which the arrows move.
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Space);
    QVERIFY(grid->days()[15]);
}

void RecurDialogTest::fourthAndLastAreExclusive() {
    dialog->cb4th->click();
    dialog->cbLast->click();
    QVERIFY(dialog->cb4th->isChecked());
    QVERIFY(!dialog->cbLast->isChecked());
    dialog->cb4th->click();
    dialog->cbLast->click();
    dialog->cb4th->click();
    QVERIFY(dialog->cbLast->isChecked());
    QVERIFY(!dialog->cb4th->isChecked());
}

void RecurDialogTest::deleteRemovesTheSelectedLines() {
    previewMondaysAndThursdays();
    QListWidget *list = dialog->ListBox1;
    list->item(0)->setSelected(true);
    list->item(3)->setSelected(true);
    QVERIFY(dialog->btDelete->isEnabled());
    dialog->btDelete->click();
    QCOMPARE(list->count(), 9);
    QCOMPARE(list->item(0)->text().left(9), QString("3/20/2000"));
    QCOMPARE(dialog->Label12->text(), QString("Number of dates: 9"));
    QVERIFY(!dialog->btDelete->isEnabled());

    // The Delete key in the list does the same; deleting every line disables OK.
    list->selectAll();
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(list->count(), 0);
    QCOMPARE(dialog->Label12->text(), QString("Number of dates: 0"));
    QVERIFY(!dialog->btOK->isEnabled());
    QVERIFY(!dialog->btDelete->isEnabled());
}

void RecurDialogTest::resetKeepsTheRule() {
    previewMondaysAndThursdays();
    dialog->ListBox1->item(2)->setSelected(true);
    dialog->btReset->click();
    QCOMPARE(dialog->ListBox1->count(), 0);
    QCOMPARE(dialog->Label12->text(), QString());
    QVERIFY(!dialog->btOK->isEnabled());
    QVERIFY(!dialog->btDelete->isEnabled());
    QVERIFY(dialog->rbWeekly->isChecked());
    QVERIFY(dialog->cbWMon->isChecked());
    dialog->btPreview->click();
    QCOMPARE(dialog->ListBox1->count(), 11);
}

void RecurDialogTest::confirmInsertsEveryRemainingLine() {
    store->insertRows(1, 1);
    store->setRowCells(
        1, {storeKey(dayNumber(QDate(2000, 3, 20)), 101), "8:00 AM", "Work", "Standup", "No", "No"});
    previewMondaysAndThursdays();
    // Confirm takes each line's own date, whatever its text reads.
    dialog->ListBox1->item(1)->setText("not a date");

    prompts->confirmAnswers = {false, true};
    dialog->btOK->click();
    QCOMPARE(prompts->questions, QStringList{"Really add 11 events to the calendar?"});
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QCOMPARE(dialog->ListBox1->count(), 11);
    QCOMPARE(saves, 0);
    QVERIFY(dialog->isVisible());

    const QList<QDate> dates = dialog->previewDates();
    dialog->btOK->click();
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(saves, 1);
    QCOMPARE(store->rowCount(), 1 + 11 + 1);
    // The copy of 20 March comes before the task that was there: sequence 100 before 101.
    QCOMPARE(store->rowCells(2), (QStringList{storeKey(dayNumber(QDate(2000, 3, 20)), 100), "10:30 AM",
                                              "Health", "Buy milk", "No", "Yes"}));
    QCOMPARE(store->cell(StoreWhat, 3), QString("Standup"));
    QList<QDate> stored;
    for (int row = 1; row < store->rowCount(); ++row)
        if (store->cell(StoreWhat, row) == "Buy milk")
            stored << dateOfDay(dayOfKey(store->cell(StoreKey, row)));
    QCOMPARE(stored, dates);
}

void RecurDialogTest::fullListWarnsOnceAndKeepsItsLines() {
    dialog->listCapacity = 3;
    previewMondaysAndThursdays();
    QCOMPARE(prompts->warnings,
             QStringList{"Maximum capacity of listbox reached ... unable to preview all dates."});
    QCOMPARE(dialog->ListBox1->count(), 3);
    QCOMPARE(dialog->Label12->text(), QString("Number of dates: 3"));
    QVERIFY(dialog->btOK->isEnabled());
    // The next preview starts accepting again.
    dialog->listCapacity = 20;
    dialog->btPreview->click();
    QCOMPARE(dialog->ListBox1->count(), 11);
    QCOMPARE(prompts->warnings.size(), 1);
}

void RecurDialogTest::escapeCancels() {
    previewMondaysAndThursdays();
    QTest::keyClick(dialog->ListBox1, Qt::Key_Escape);
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QVERIFY(!dialog->isVisible());
    QCOMPARE(store->rowCount(), 1);
    QCOMPARE(saves, 0);
}

void RecurDialogTest::screenshots() {
    const QString target = qEnvironmentVariable("CORVANE_SHOTS");
    if (target.isEmpty())
        QSKIP("screenshots only when CORVANE_SHOTS names a folder");
    const auto shoot = [&](const QString &name) {
        QTest::qWait(100);
        dialog->grab().save(target + "/recur-" + name + ".png");
    };
    dialog->cb1st->setChecked(true);
    dialog->cbLast->setChecked(true);
    dialog->cbMon->setChecked(true);
    dialog->cbFri->setChecked(true);
    dialog->btPreview->click();
    dialog->ListBox1->item(2)->setSelected(true);
    shoot("week-of-month");
    dialog->rbDofM->click();
    for (const auto &[row, column] : {std::pair{0, 0}, {2, 0}, {4, 2}})
        dialog->sgMonth->selectCell(row, column);
    dialog->cbDofMAvoidSun->setChecked(true);
    dialog->btPreview->click();
    shoot("days-of-month");
    previewMondaysAndThursdays();
    shoot("weekly");
    dialog->rbDaily->click();
    dialog->cntDaily->setValue(3);
    dialog->btPreview->click();
    shoot("daily");
    dialog->rbAnnual->click();
    dialog->date2->setDate(QDate(2010, 3, 16));
    dialog->btPreview->click();
    shoot("annual");
}

QTEST_MAIN(RecurDialogTest)
#include "tst_recur.moc"
