#include "app/dayview.h"
#include "runningprogram.h"
#include "settings/options.h"
#include "store/daynumber.h"
#include "store/programfolder.h"
#include "widgets/shadowlabel.h"
#include "widgets/taskgrid.h"

#include <QCheckBox>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>

using namespace corvane;

namespace {

const QDate today(2000, 3, 15);

// Sends a drag of the list's current row to a point of `target`: enter, move, and the drop when the move
// was taken. True when the drop was taken.
bool dragTo(TaskGrid *source, QWidget *target, const QPoint &pos) {
    std::unique_ptr<QMimeData> data(source->rowDragData());
    QDragEnterEvent enter(pos, Qt::MoveAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(pos, Qt::MoveAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(target, &move);
    if (!move.isAccepted())
        return false;
    QDropEvent drop(QPointF(pos), Qt::MoveAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

bool dragToRow(TaskGrid *source, TaskGrid *target, int row) {
    return dragTo(source, target->viewport(),
                  target->visualRect(target->model()->index(row - 1, 1)).center());
}

bool dragToDay(TaskGrid *source, MonthCalendar *calendar, const QDate &date) {
    for (int id = 1; id <= 42; ++id)
        if (calendar->dateOfCell(id) == date)
            return dragTo(source, calendar, calendar->cellRect(id).center());
    return false;
}

QStringList column(const TaskTable &table, int column) {
    QStringList texts;
    for (int row = 1; row < table.rowCount(); ++row)
        texts << table.cell(column, row);
    return texts;
}

} // namespace

class DragDropTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::pinFormats("en_US"); }
    void init();
    void cleanup() { running.reset(); }

    void reorderingWithinTheDayListIsStored();
    void dayTaskToTheNondayListLosesTimeAndAlarm();
    void nondayTaskToTheDayListGetsTheTimeNow();
    void dropOnAnotherCalendarMakesItCurrent();
    void dropOnAGreyDayOfTheNextMonth();
    void dropOnTheSelectedDayShowsTheTask();
    void withoutConfirmationNoQuestion();
    void dropsOutsideTheDayCellsAreRefused();
    void aPressAndMoveKeepsThePressedRow();

private:
    void addTask(const QDate &date, const QString &time, const QString &what, const QString &alarm = "No");
    void addNondayTask(const QString &category, const QString &what);

    std::unique_ptr<test::RunningProgram> running;
    TfrmMain *main = nullptr;
};

void DragDropTest::init() {
    running = std::make_unique<test::RunningProgram>(QDateTime(today, QTime(10, 30)));
    main = running->main;
    QVERIFY(running->exposed);
}

void DragDropTest::addTask(const QDate &date, const QString &time, const QString &what,
                           const QString &alarm) {
    TaskTable &store = main->gridStore;
    const int row = store.rowCount();
    store.insertRows(row, 1);
    store.setRowCells(row, {storeKey(dayNumber(date), 100 + row), time, "Work", what, "No", alarm});
    sortStore(store);
    main->cal1DateChange();
}

void DragDropTest::addNondayTask(const QString &category, const QString &what) {
    TaskTable &nonday = main->gridNonday->table();
    const int row = nonday.rowIsEmpty(nonday.rowCount() - 1) ? nonday.rowCount() - 1 : nonday.rowCount();
    nonday.setRowCount(row + 1);
    nonday.setRowCells(row, {category, what, "No"});
}

void DragDropTest::reorderingWithinTheDayListIsStored() {
    addTask(today, "8:00 AM", "first");
    addTask(today, "9:00 AM", "second");
    addTask(today, "11:00 AM", "third, with \"quotes\"");
    main->gridDay->setRow(3);
    QVERIFY(dragToRow(main->gridDay, main->gridDay, 1));
    QCOMPARE(column(main->gridDay->table(), DayWhat),
             (QStringList{"third, with \"quotes\"", "first", "second"}));
    QCOMPARE(main->gridDay->row(), 1);
    QCOMPARE(column(main->gridStore, StoreWhat), (QStringList{"third, with \"quotes\"", "first", "second"}));
    TaskTable onDisk;
    QVERIFY(onDisk.load(besideProgram("grid.grd")));
    QCOMPARE(onDisk.cell(StoreWhat, 1), QString("third, with \"quotes\""));
    QVERIFY(running->prompts.questions.isEmpty());
}

void DragDropTest::dayTaskToTheNondayListLosesTimeAndAlarm() {
    addTask(today, "8:00 AM", "Café\r\nsecond line", "Yes");
    addNondayTask("Home", "paint");
    main->gridDay->setRow(1);

    running->prompts.confirmAnswers = {false};
    QVERIFY(dragToRow(main->gridDay, main->gridNonday, 1));
    QCOMPARE(running->prompts.questions,
             QStringList{"Really move task between grids?  You will lose the Time and Alarm fields."});
    QCOMPARE(main->gridStore.rowCount(), 2);

    QVERIFY(dragToRow(main->gridDay, main->gridNonday, 1));
    QCOMPARE(main->gridNonday->table().rowCells(1), (QStringList{"Work", "Café\r\nsecond line", "No"}));
    QCOMPARE(main->gridNonday->table().rowCells(2), (QStringList{"Home", "paint", "No"}));
    // The day's only task went: the day list keeps one empty row, and the store loses the task.
    QCOMPARE(main->gridDay->table().rowCount(), 2);
    QVERIFY(main->gridDay->table().rowIsEmpty(1));
    QCOMPARE(main->gridStore.rowCount(), 1);
    QCOMPARE(main->EsLabel1->text(), QString("2 Non-Date Oriented Tasks"));
}

void DragDropTest::nondayTaskToTheDayListGetsTheTimeNow() {
    addTask(today, "8:00 AM", "early");
    // A task without a category is a task all the same.
    addNondayTask("", "no category");
    main->gridNonday->setRow(1);
    QVERIFY(dragToRow(main->gridNonday, main->gridDay, 1));
    QCOMPARE(running->prompts.questions, QStringList{"Really move task between grids?"});
    QCOMPARE(main->gridDay->table().rowCells(1), (QStringList{"10:30 AM", "", "no category", "No", "No"}));
    QCOMPARE(column(main->gridStore, StoreWhat), (QStringList{"no category", "early"}));
    QCOMPARE(main->gridNonday->table().rowCount(), 2);
    QVERIFY(main->gridNonday->table().rowIsEmpty(1));
}

void DragDropTest::dropOnAnotherCalendarMakesItCurrent() {
    main->cal2->setDate(QDate(2000, 3, 10));
    addTask(QDate(2000, 3, 10), "8:00 AM", "move me", "Yes");
    addTask(QDate(2000, 4, 15), "7:00 AM", "already there");
    QCOMPARE(main->currentCalendar, main->cal2);
    // cal3 already has 15 April: the drop changes no date, and the day list follows all the same.
    QCOMPARE(main->cal3->date(), QDate(2000, 4, 15));
    QVERIFY(dragToDay(main->gridDay, main->cal3, QDate(2000, 4, 15)));
    QCOMPARE(running->prompts.questions, QStringList{"Really move task?"});
    QCOMPARE(main->currentCalendar, main->cal3);
    QCOMPARE(main->cal3->date(), QDate(2000, 4, 15));
    QCOMPARE(main->cal3->bevel(), MonthCalendar::Bevel::Raised);
    QCOMPARE(main->cal2->bevel(), MonthCalendar::Bevel::Lowered);
    QCOMPARE(main->dragSourceList, main->gridDay);
    QCOMPARE(column(main->gridDay->table(), DayWhat), (QStringList{"move me", "already there"}));
    QCOMPARE(main->gridDay->table().rowCells(1), (QStringList{"8:00 AM", "Work", "move me", "No", "Yes"}));
    QCOMPARE(main->gridStore.rowCount(), 3);
    QCOMPARE(firstRowOfDay(main->gridStore, dayNumber(QDate(2000, 3, 10)), passAll), -1);
    QCOMPARE(main->lblDate->text(), QString("2 tasks Sat 4/15/2000  31 days"));
}

void DragDropTest::dropOnAGreyDayOfTheNextMonth() {
    addTask(today, "8:00 AM", "to June");
    // cal4 shows May 2000; its last week ends on Saturday 10 June.
    QCOMPARE(main->cal4->date().month(), 5);
    QVERIFY(dragToDay(main->gridDay, main->cal4, QDate(2000, 6, 10)));
    QCOMPARE(main->currentCalendar, main->cal4);
    QCOMPARE(main->cal4->date(), QDate(2000, 6, 10));
    QCOMPARE(main->cal1->date().month(), 3);
    QCOMPARE(main->cal3->date().month(), 5);
    QCOMPARE(column(main->gridDay->table(), DayWhat), QStringList{"to June"});
    QCOMPARE(dayOfKey(main->gridStore.cell(StoreKey, 1)), dayNumber(QDate(2000, 6, 10)));
}

void DragDropTest::dropOnTheSelectedDayShowsTheTask() {
    addNondayTask("Home", "today after all");
    main->gridNonday->setRow(1);
    QVERIFY(dragToDay(main->gridNonday, main->cal2, today));
    QCOMPARE(main->gridDay->table().rowCells(1),
             (QStringList{"10:30 AM", "Home", "today after all", "No", "No"}));
    QCOMPARE(main->gridStore.cell(StoreKey, 1), storeKey(dayNumber(today), 100));
}

void DragDropTest::withoutConfirmationNoQuestion() {
    forms().frmOptions->cbDragConfirm->setChecked(false);
    addTask(today, "8:00 AM", "quiet");
    QVERIFY(dragToRow(main->gridDay, main->gridNonday, 1));
    QVERIFY(dragToDay(main->gridNonday, main->cal1, QDate(2000, 2, 1)));
    QVERIFY(running->prompts.questions.isEmpty());
    QCOMPARE(main->gridDay->table().rowCells(1).mid(1, 2), (QStringList{"Work", "quiet"}));
}

void DragDropTest::dropsOutsideTheDayCellsAreRefused() {
    addTask(today, "8:00 AM", "stay");
    const QByteArray before = main->gridStore.toGridBytes();
    // The month title and the week-day header of a calendar.
    QVERIFY(!dragTo(main->gridDay, main->cal3, QPoint(main->cal3->width() / 2, 4)));
    QVERIFY(!dragTo(main->gridDay, main->cal3, main->cal3->cellRect(1).topLeft() - QPoint(0, 3)));
    // Data that is no dragged row.
    QMimeData text;
    text.setText("stay");
    QDragMoveEvent move(main->cal3->cellRect(20).center(), Qt::MoveAction, &text, Qt::LeftButton, {});
    QApplication::sendEvent(main->cal3, &move);
    QVERIFY(!move.isAccepted());
    QCOMPARE(main->gridStore.toGridBytes(), before);
    QVERIFY(running->prompts.questions.isEmpty());
}

void DragDropTest::aPressAndMoveKeepsThePressedRow() {
    addTask(today, "8:00 AM", "one");
    addTask(today, "9:00 AM", "two");
    addTask(today, "11:00 AM", "three");
    TaskGrid *list = main->gridDay;
    QWidget *view = list->viewport();
    const QPoint second = list->visualRect(list->model()->index(1, 1)).center();
    const QPoint third = list->visualRect(list->model()->index(2, 1)).center();
    QTest::mouseClick(view, Qt::LeftButton, {}, second);
    QCOMPARE(list->row(), 2);
    QTest::mousePress(view, Qt::LeftButton, {}, third);
    QMouseEvent move(QEvent::MouseMove, second, view->mapToGlobal(second), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(view, &move);
    QTest::mouseRelease(view, Qt::LeftButton, {}, second);
    QCOMPARE(list->row(), 3);
    QCOMPARE(column(list->table(), DayWhat), (QStringList{"one", "two", "three"}));
}

QTEST_MAIN(DragDropTest)
#include "tst_dragdrop.moc"
