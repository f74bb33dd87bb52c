#include "app/dayview.h"
#include "output/printselection.h"
#include "store/dateformats.h"
#include "store/daynumber.h"
#include "testsupport.h"

#include <QTest>

using namespace corvane;

Q_DECLARE_METATYPE(corvane::PrintSelection)

class PrintSelectionTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void dateTask_data();
    void dateTask();
    void nonDateTask_data();
    void nonDateTask();
    void problems_data();
    void problems();
    void printTableHoldsDateRowsInStoreOrderThenNonDateRows();
    void onlyNonDateRowsStartInRowOne();
    void rangeWithoutTasksLeavesTheTitleRow();
    void resetLeavesTitlesAndOneEmptyRow();
};

namespace {

const QDate march5(2000, 3, 5);

// A store of the given (day, done, category) rows, in store order.
TaskTable store(const QList<std::tuple<QDate, QString, QString>> &rows) {
    TaskTable table;
    setUpStoreTable(table);
    table.setRowCount(int(rows.size()) + 1);
    int row = 0;
    for (const auto &[day, done, category] : rows) {
        ++row;
        table.setRowCells(row, {storeKey(dayNumber(day), 101), "9:00 AM", category,
                                "task " + QString::number(row), done, "No"});
    }
    return table;
}

PrintSelection everything() {
    return PrintSelection{};
}

} // namespace

void PrintSelectionTest::initTestCase() {
    test::pinFormats("en_US");
    fix2000();
}

void PrintSelectionTest::dateTask_data() {
    QTest::addColumn<PrintSelection>("selection");
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QString>("done");
    QTest::addColumn<QString>("category");
    QTest::addColumn<bool>("passes");

    PrintSelection range = everything();
    range.dateRange = true;
    range.from = range.to = march5;
    QTest::newRow("one-day range, that day") << range << march5 << "No"
                                             << "Work" << true;
    QTest::newRow("one-day range, day before") << range << march5.addDays(-1) << "No"
                                               << "Work" << false;
    QTest::newRow("one-day range, day after") << range << march5.addDays(1) << "No"
                                              << "Work" << false;
    QTest::newRow("no range, any day") << everything() << QDate(1999, 1, 1) << "No"
                                       << "Work" << true;

    PrintSelection doneOnly = everything();
    doneOnly.notDone = false;
    QTest::newRow("done only, Yes") << doneOnly << march5 << "Yes"
                                    << "Work" << true;
    QTest::newRow("done only, yes in lower case is not done") << doneOnly << march5 << "yes"
                                                              << "Work" << false;
    QTest::newRow("done only, No") << doneOnly << march5 << "No"
                                   << "Work" << false;
    PrintSelection notDoneOnly = everything();
    notDoneOnly.done = false;
    QTest::newRow("not done only, Yes") << notDoneOnly << march5 << "Yes"
                                        << "Work" << false;
    QTest::newRow("not done only, yes in lower case") << notDoneOnly << march5 << "yes"
                                                      << "Work" << true;
    PrintSelection neither = everything();
    neither.done = neither.notDone = false;
    QTest::newRow("neither restricts") << neither << march5 << "Yes"
                                       << "Work" << true;

    PrintSelection medium = everything();
    medium.byCategory = true;
    medium.category = "2 - Medium";
    QTest::newRow("category equal") << medium << march5 << "No"
                                    << "2 - Medium" << true;
    QTest::newRow("category differs in case") << medium << march5 << "No"
                                              << "2 - medium" << false;
    QTest::newRow("category other") << medium << march5 << "No"
                                    << "Work" << false;
}

void PrintSelectionTest::dateTask() {
    QFETCH(PrintSelection, selection);
    QFETCH(QDate, day);
    QFETCH(QString, done);
    QFETCH(QString, category);
    QFETCH(bool, passes);
    const TaskTable table = store({{day, done, category}});
    QCOMPARE(okToPrintDateTask(selection, table, 1, day), passes);
}

void PrintSelectionTest::nonDateTask_data() {
    QTest::addColumn<bool>("nonDate");
    QTest::addColumn<bool>("byCategory");
    QTest::addColumn<QString>("category");
    QTest::addColumn<bool>("passes");
    QTest::newRow("non-date unchecked") << false << false << "Work" << false;
    QTest::newRow("non-date checked") << true << false << "Work" << true;
    QTest::newRow("category equal") << true << true << "2 - Medium" << true;
    QTest::newRow("category differs in case") << true << true << "2 - MEDIUM" << false;
}

void PrintSelectionTest::nonDateTask() {
    QFETCH(bool, nonDate);
    QFETCH(bool, byCategory);
    QFETCH(QString, category);
    QFETCH(bool, passes);
    PrintSelection selection = everything();
    selection.nonDate = nonDate;
    selection.byCategory = byCategory;
    selection.category = "2 - Medium";
    TaskTable nonday;
    setUpNondayTable(nonday);
    nonday.setRowCells(1, {category, "call", "No"});
    QCOMPARE(okToPrintNonDateTask(selection, nonday, 1), passes);
}

void PrintSelectionTest::problems_data() {
    QTest::addColumn<PrintSelection>("selection");
    QTest::addColumn<QString>("message");
    PrintSelection none = everything();
    none.done = none.notDone = none.nonDate = false;
    QTest::newRow("no kind") << none
                             << "At least one of the DONE, NOT DONE or NON-DATE options must be checked";
    PrintSelection reversed = everything();
    reversed.dateRange = true;
    reversed.from = march5;
    reversed.to = march5.addDays(-1);
    QTest::newRow("reversed") << reversed << "The second date must be AFTER the first date!";
    reversed.dateRange = false;
    QTest::newRow("reversed dates without a range") << reversed << "";
    PrintSelection equal = reversed;
    equal.dateRange = true;
    equal.to = march5;
    QTest::newRow("equal dates") << equal << "";
    PrintSelection noCategory = everything();
    noCategory.byCategory = true;
    QTest::newRow("no category chosen")
        << noCategory << "Please choose a category, or uncheck \"Selected categories?\"";
}

void PrintSelectionTest::problems() {
    QFETCH(PrintSelection, selection);
    QFETCH(QString, message);
    QCOMPARE(selectionMessage(selectionProblem(selection)), message);
}

void PrintSelectionTest::printTableHoldsDateRowsInStoreOrderThenNonDateRows() {
    TaskTable dated = store({{march5, "No", "Work"}, {march5.addDays(1), "Yes", "Home"}});
    dated.setRowCount(4); // a row without a key is skipped
    TaskTable nonday;
    setUpNondayTable(nonday);
    nonday.setRowCount(4);
    nonday.setRowCells(1, {"Home", "paint", "No"});
    nonday.setRowCells(3, {"", "no category", "Yes"}); // row 2 is empty and holds no task
    TaskTable print;
    setUpPrintTable(print);
    fillPrintTable(everything(), dated, nonday, print);
    QCOMPARE(print.rowCount(), 5);
    QCOMPARE(print.rowCells(0), (QStringList{"Date", "Time", "Category", "What", "Completed", "Alarm"}));
    QCOMPARE(print.rowCells(1), (QStringList{"3/5/2000", "9:00 AM", "Work", "task 1", "No", "No"}));
    QCOMPARE(print.rowCells(2), (QStringList{"3/6/2000", "9:00 AM", "Home", "task 2", "Yes", "No"}));
    QCOMPARE(print.rowCells(3), (QStringList{"Non-date", "", "Home", "paint", "No", ""}));
    QCOMPARE(print.rowCells(4), (QStringList{"Non-date", "", "", "no category", "Yes", ""}));
}

void PrintSelectionTest::onlyNonDateRowsStartInRowOne() {
    PrintSelection selection = everything();
    selection.done = selection.notDone = false;
    TaskTable nonday;
    setUpNondayTable(nonday);
    nonday.setRowCells(1, {"Home", "paint", "No"});
    TaskTable print;
    setUpPrintTable(print);
    fillPrintTable(selection, store({{march5, "No", "Work"}}), nonday, print);
    QCOMPARE(print.rowCount(), 2);
    QCOMPARE(print.cell(PrintCategory, 0), QString("Category"));
    QCOMPARE(print.cell(PrintWhat, 1), QString("paint"));
}

void PrintSelectionTest::rangeWithoutTasksLeavesTheTitleRow() {
    PrintSelection selection = everything();
    selection.dateRange = true;
    selection.from = selection.to = QDate(2001, 1, 1);
    selection.nonDate = false;
    TaskTable print;
    setUpPrintTable(print);
    fillPrintTable(selection, store({{march5, "No", "Work"}}), TaskTable(3, 2), print);
    QCOMPARE(print.rowCount(), 1);
    QCOMPARE(print.cell(PrintDate, 0), QString("Date"));
}

void PrintSelectionTest::resetLeavesTitlesAndOneEmptyRow() {
    TaskTable print;
    setUpPrintTable(print);
    fillPrintTable(everything(), store({{march5, "No", "Work"}, {march5, "No", "Work"}}), TaskTable(3, 2),
                   print);
    resetPrintTable(print);
    QCOMPARE(print.rowCount(), 2);
    QVERIFY(print.rowIsEmpty(1));
    QCOMPARE(print.cell(PrintAlarm, 0), QString("Alarm"));
    QCOMPARE(print.columnWidth(PrintWhat), 350);
}

QTEST_GUILESS_MAIN(PrintSelectionTest)
#include "tst_printselection.moc"
