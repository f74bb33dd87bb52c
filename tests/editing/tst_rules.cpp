#include "editing/categoryfile.h"
#include "editing/completedhistory.h"
#include "editing/taskrules.h"
#include "editing/timeruler.h"
#include "store/clock.h"
#include "store/dateformats.h"
#include "testsupport.h"

#include <QTest>

using namespace corvane;

class EditingRulesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void categoryFileLines_data();
    void categoryFileLines();
    void categoryFileIsWrittenWithCrLf();
    void choicesIgnoreCase();
    void completionsGoToRowOne();
    void removingTheOnlyRecordLeavesAnEmptyRow();
    void notesColumnsShareTheRest();
    void snapping_data();
    void snapping();
    void pointerStaysOnTheScale();
    void keySteps_data();
    void keySteps();
    void nondayTaskWithoutCategoryIsATask();
    void textsOfTheEditor();
    void refusals();
    void rescheduledTaskComesFirst();
};

void EditingRulesTest::initTestCase() {
    QLocale::setDefault(QLocale::c());
    setFormats(FormatSettings::fromLocale(QLocale::c()));
    fix2000();
    setNow(QDateTime(QDate(2000, 3, 15), QTime(10, 30)));
}

void EditingRulesTest::categoryFileLines_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("choices");
    QTest::newRow("crlf") << QByteArray("Work\r\nHome\r\n") << QStringList{"Work", "Home"};
    QTest::newRow("cr and lf") << QByteArray("a\rb\nc") << QStringList{"a", "b", "c"};
    QTest::newRow("empty line") << QByteArray("a\r\n\r\nb\r\n") << QStringList{"a", "", "b"};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
}

void EditingRulesTest::categoryFileLines() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, choices);
    test::Sandbox sandbox;
    test::writeFile(sandbox.path("category.xxx"), bytes);
    QCOMPARE(readCategoryFile(sandbox.path("category.xxx")), choices);
}

void EditingRulesTest::categoryFileIsWrittenWithCrLf() {
    test::Sandbox sandbox;
    QVERIFY(readCategoryFile(sandbox.path("missing")).isEmpty());
    QVERIFY(saveCategoryFile(sandbox.path("category.xxx"), {"Work", "Home"}));
    QCOMPARE(test::readFile(sandbox.path("category.xxx")), QByteArray("Work\r\nHome\r\n"));
    QVERIFY(saveCategoryFile(sandbox.path("category.xxx"), {}));
    QCOMPARE(test::readFile(sandbox.path("category.xxx")), QByteArray());
    QString error;
    QVERIFY(!saveCategoryFile(sandbox.path("no/such/folder/category.xxx"), {"x"}, &error));
    QVERIFY(!error.isEmpty());
}

void EditingRulesTest::choicesIgnoreCase() {
    QStringList choices{"Work", "home"};
    QCOMPARE(indexOfChoice(choices, "WORK"), 0);
    QVERIFY(!addChoice(choices, "work"));
    QVERIFY(!addChoice(choices, ""));
    QVERIFY(addChoice(choices, "Errands"));
    QCOMPARE(choices.last(), QString("Errands"));
    sortChoices(choices);
    QCOMPARE(choices, (QStringList{"Errands", "home", "Work"}));
}

void EditingRulesTest::completionsGoToRowOne() {
    TaskTable history = emptyCompletedTable();
    history.setRowCells(0, {"x", "y", "z", "", "", ""});
    setCompletedTitles(history);
    QCOMPARE(history.rowCells(0),
             (QStringList{"Comp Date", "Time", "Category", "Orig Date", "What", "Comp Notes"}));
    Completion first{QDateTime(QDate(2000, 3, 15), QTime(9, 0)),
                     QDateTime(QDate(2000, 3, 1), QTime(14, 5)),
                     "Work",
                     "Wed 03/15/2000",
                     "first",
                     "done"};
    addCompletion(history, first);
    QCOMPARE(history.rowCount(), 2);
    QCOMPARE(history.cell(CompDate, 1), formatWithLocalePattern(formats().shortDate, first.completedOn));
    QCOMPARE(history.cell(CompTime, 1), formatWithLocalePattern(formats().longTime, first.taskTime));
    QCOMPARE(history.cell(CompWhat, 1), QString("first"));
    history.setSortColumn(CompCategory);
    Completion second = first;
    second.what = "second";
    addCompletion(history, second);
    QCOMPARE(history.rowCount(), 3);
    QCOMPARE(history.cell(CompWhat, 1), QString("second"));
    QCOMPARE(history.cell(CompWhat, 2), QString("first"));
    clearCompleted(history);
    QCOMPARE(history.rowCount(), 2);
    QVERIFY(history.rowIsEmpty(1));
    QCOMPARE(history.cell(CompDate, 0), QString("Comp Date"));
}

void EditingRulesTest::removingTheOnlyRecordLeavesAnEmptyRow() {
    TaskTable history = emptyCompletedTable();
    addCompletion(history, {now(), now(), "a", "b", "c", "d"});
    removeCompletedRow(history, 1);
    QCOMPARE(history.rowCount(), 2);
    QVERIFY(history.rowIsEmpty(1));
    addCompletion(history, {now(), now(), "a", "b", "one", "d"});
    addCompletion(history, {now(), now(), "a", "b", "two", "d"});
    removeCompletedRow(history, 1);
    QCOMPARE(history.rowCount(), 2);
    QCOMPARE(history.cell(CompWhat, 1), QString("one"));
}

void EditingRulesTest::notesColumnsShareTheRest() {
    QCOMPARE(completedColumnWidths(800, 96, 0, 2), (QList<int>{70, 62, 58, 128, 237, 237}));
    QCOMPARE(completedColumnWidths(801, 192, 17, 3), (QList<int>{140, 124, 116, 256, 69, 69}));
}

void EditingRulesTest::snapping_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<QTime>("time");
    QTest::newRow("noon") << 248 << QTime(12, 0);
    QTest::newRow("735 minutes") << 253 << QTime(12, 15);
    QTest::newRow("732 minutes") << 252 << QTime(12, 10);
    QTest::newRow("far right") << 487 << QTime(0, 0);
    QTest::newRow("left of the scale") << 7 << QTime(0, 0);
    QTest::newRow("57 carries") << 8 + (6 * 60 + 57) / 3 << QTime(7, 0);
    QTest::newRow("21") << 8 + (6 * 60 + 21) / 3 << QTime(6, 20);
    QTest::newRow("24") << 8 + (6 * 60 + 24) / 3 << QTime(6, 25);
    QTest::newRow("39") << 8 + (6 * 60 + 39) / 3 << QTime(6, 40);
    QTest::newRow("42") << 8 + (6 * 60 + 42) / 3 << QTime(6, 45);
    QTest::newRow("54") << 8 + (6 * 60 + 54) / 3 << QTime(6, 55);
}

void EditingRulesTest::snapping() {
    QFETCH(int, x);
    QFETCH(QTime, time);
    QCOMPARE(ruler::xToTime(x), time);
}

void EditingRulesTest::pointerStaysOnTheScale() {
    QVERIFY(!ruler::pointerAccepts(6));
    QVERIFY(ruler::pointerAccepts(7));
    QVERIFY(ruler::pointerAccepts(487));
    QVERIFY(!ruler::pointerAccepts(488));
    QCOMPARE(ruler::timeToX(7, 0), 148);
    QCOMPARE(ruler::timeToX(19, 0), 388);
    QVERIFY(!ruler::isDayHour(6));
    QVERIFY(ruler::isDayHour(7));
    QVERIFY(!ruler::isDayHour(19));
}

void EditingRulesTest::keySteps_data() {
    QTest::addColumn<QTime>("from");
    QTest::addColumn<int>("step");
    QTest::addColumn<QTime>("to");
    using ruler::Step;
    QTest::newRow("down at 10:00") << QTime(10, 0) << int(Step::MinuteDown) << QTime(9, 59);
    QTest::newRow("up at 9:59") << QTime(9, 59) << int(Step::MinuteUp) << QTime(10, 0);
    QTest::newRow("up at 23:59") << QTime(23, 59) << int(Step::MinuteUp) << QTime(23, 59);
    QTest::newRow("down at 0:00") << QTime(0, 0) << int(Step::MinuteDown) << QTime(0, 0);
    QTest::newRow("page up") << QTime(8, 20, 30) << int(Step::HourUp) << QTime(9, 20);
    QTest::newRow("page up at 23") << QTime(23, 10) << int(Step::HourUp) << QTime(23, 10);
    QTest::newRow("page down at 0:30") << QTime(0, 30) << int(Step::HourDown) << QTime(0, 30);
}

void EditingRulesTest::keySteps() {
    QFETCH(QTime, from);
    QFETCH(int, step);
    QFETCH(QTime, to);
    QCOMPARE(ruler::stepTime(from, ruler::Step(step)), to);
}

void EditingRulesTest::nondayTaskWithoutCategoryIsATask() {
    TaskTable nonday(3, 3);
    nonday.setRowCells(1, {"", "Call the bank", "No"});
    QVERIFY(isTaskRow(nonday, TaskList::Nonday, 1));
    QVERIFY(!isTaskRow(nonday, TaskList::Nonday, 2));
    QVERIFY(emptyRowTest(TaskList::Nonday)(nonday, 2));
    TaskTable day(5, 2);
    day.setRowCells(1, {"", "Work", "notes", "No", "No"});
    QVERIFY(!isTaskRow(day, TaskList::Day, 1));
}

void EditingRulesTest::textsOfTheEditor() {
    const QString what = QString(60, u'x');
    QCOMPARE(editCaption(what), "Task: " + QString(50, u'x') + " ...");
    QCOMPARE(deleteQuestion("Call the bank"), QString("Really delete \"Call the bank ... \"?"));
    QCOMPARE(deleteQuestion(what), "Really delete \"" + QString(50, u'x') + " ... \"?");
    QCOMPARE(dayOrigin(QDate(2000, 3, 15)), QString("Wed 3/15/2000"));
    QCOMPARE(editorTitle(QDate(2000, 3, 16)), QString("Thu 3/16/2000 Tomorrow"));
    QVERIFY(isPastDay(QDate(2000, 3, 14)));
    QVERIFY(!isPastDay(QDate(2000, 3, 15)));
    QCOMPARE(editTarget(false, true, false), TaskList::Day);
    QCOMPARE(editTarget(false, false, true), TaskList::Day);
    QCOMPARE(editTarget(true, true, true), TaskList::Nonday);
    QCOMPARE(editTarget(false, false, false), TaskList::Nonday);
}

void EditingRulesTest::refusals() {
    TaskTable day(5, 3);
    day.setRowCells(1, {"9:00 AM", "Work", "a", "Yes", "No"});
    day.setRowCells(2, {"10:00 AM", "Work", "b", "No", "No"});
    QCOMPARE(editRefusal(day, TaskList::Day, 1, false), QString());
    QCOMPARE(editRefusal(day, TaskList::Day, 1, true), QString("Task already marked as complete"));
    QCOMPARE(editRefusal(day, TaskList::Day, 2, true), QString());
    day.setRowCount(4);
    QCOMPARE(editRefusal(day, TaskList::Day, 3, false), QString("There is nothing to edit"));
    QCOMPARE(editRefusal(day, TaskList::Day, -1, true), QString("There is nothing to edit"));
}

void EditingRulesTest::rescheduledTaskComesFirst() {
    TaskTable store(6, 2);
    store.setRowCells(1, {"36601.101", "9:00 AM", "Work", "old", "No", "No"});
    insertIntoStore(store, 36602, {"8:00 AM", "Home", "moved", false, true});
    QCOMPARE(store.rowCells(1), (QStringList{"36602.100", "8:00 AM", "Home", "moved", "No", "Yes"}));
    QCOMPARE(store.rowCount(), 3);
}

QTEST_MAIN(EditingRulesTest)
#include "tst_rules.moc"
