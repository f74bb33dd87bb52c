#pragma once

#include "store/tasktable.h"

#include <QDate>
#include <QString>

namespace corvane {

// Columns of the print table gridPrint.
enum PrintColumn {
    PrintDate = 0,
    PrintTime = 1,
    PrintCategory = 2,
    PrintWhat = 3,
    PrintDone = 4,
    PrintAlarm = 5
};

// The choices of the print selection dialog: which date-oriented and non-date tasks to print, clear or
// export.
struct PrintSelection {
    bool dateRange = false; // only days from `from` through `to`
    QDate from;
    QDate to;
    bool notDone = true;
    bool done = true;
    bool nonDate = true;
    bool byCategory = false; // only tasks whose category is exactly `category`
    QString category;
};

// Why the dialog refuses its choices; selectionMessage() says it to the user.
enum class SelectionProblem { None, NoKind, RangeReversed, NoCategory };
SelectionProblem selectionProblem(const PrintSelection &selection);
QString selectionMessage(SelectionProblem problem);

// Does gridStore row `row`, whose day is `day`, pass the selection.
bool okToPrintDateTask(const PrintSelection &selection, const TaskTable &store, int row, const QDate &day);
// Does gridNonday row `row` pass it.
bool okToPrintNonDateTask(const PrintSelection &selection, const TaskTable &nonday, int row);

// Six columns with their titles and one empty row; the widths of the printed columns.
void setUpPrintTable(TaskTable &print);
// Writes the titles, then the date-oriented tasks in store order (all of them, or those that pass), each
// with its day in the short date format; the table ends after the last row written.
void transferToGridPrint(const PrintSelection &selection, const TaskTable &store, TaskTable &print, bool all);
// The print table of a selection: the date-oriented rows when done or not-done tasks are wanted, then
// the non-date rows when they are wanted.
void fillPrintTable(const PrintSelection &selection, const TaskTable &store, const TaskTable &nonday,
                    TaskTable &print);
// Back to the title row and one empty row.
void resetPrintTable(TaskTable &print);

} // namespace corvane
