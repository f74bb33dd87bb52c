#include "output/printselection.h"

#include "editing/taskrules.h"
#include "store/dateformats.h"
#include "store/daynumber.h"
#include "store/routines.h"

namespace corvane {

SelectionProblem selectionProblem(const PrintSelection &selection) {
    if (!selection.notDone && !selection.done && !selection.nonDate)
        return SelectionProblem::NoKind;
    if (selection.dateRange && selection.to < selection.from)
        return SelectionProblem::RangeReversed;
    if (selection.byCategory && selection.category.isEmpty())
        return SelectionProblem::NoCategory;
    return SelectionProblem::None;
}

QString selectionMessage(SelectionProblem problem) {
    switch (problem) {
    case SelectionProblem::NoKind:
        return QStringLiteral("At least one of the DONE, NOT DONE or NON-DATE options must be checked");
    case SelectionProblem::RangeReversed:
        return QStringLiteral("The second date must be AFTER the first date!");
    case SelectionProblem::NoCategory:
        return QStringLiteral("Please choose a category, or uncheck \"Selected categories?\"");
    case SelectionProblem::None:
        break;
    }
    return QString();
}

bool okToPrintDateTask(const PrintSelection &selection, const TaskTable &store, int row, const QDate &day) {
    if (selection.dateRange && (day < selection.from || day > selection.to))
        return false;
    const bool done = store.cell(StoreDone, row) == QLatin1String("Yes");
    if (!selection.notDone && selection.done && !done)
        return false;
    if (!selection.done && selection.notDone && done)
        return false;
    return !selection.byCategory || store.cell(StoreCategory, row) == selection.category;
}

bool okToPrintNonDateTask(const PrintSelection &selection, const TaskTable &nonday, int row) {
    if (!selection.nonDate)
        return false;
    return !selection.byCategory || nonday.cell(NondayCategory, row) == selection.category;
}

void setUpPrintTable(TaskTable &print) {
    print.setColumnCount(6);
    const int widths[] = {59, 63, 68, 350, 48, 54};
    for (int column = 0; column < 6; ++column)
        print.setColumnWidth(column, widths[column]);
    resetPrintTable(print);
}

namespace {

void writeTitles(TaskTable &print) {
    print.setRowCells(0, {QStringLiteral("Date"), QStringLiteral("Time"), QStringLiteral("Category"),
                          QStringLiteral("What"), QStringLiteral("Completed"), QStringLiteral("Alarm")});
}

} // namespace

void transferToGridPrint(const PrintSelection &selection, const TaskTable &store, TaskTable &print,
                         bool all) {
    // Room for every store row first, so the table grows once; it is cut to the rows written at the end.
    print.setRowCount(store.rowCount() + 1);
    writeTitles(print);
    int written = 0;
    QDate shownDay; // rows of one day share its date text
    QString dayText;
    for (int row = 1; row < store.rowCount(); ++row) {
        const QString &key = store.cell(StoreKey, row);
        if (key.isEmpty())
            continue;
        const QDate day = dateOfDay(dayOfKey(key));
        if (!all && !okToPrintDateTask(selection, store, row, day))
            continue;
        if (day != shownDay) {
            shownDay = day;
            dayText = formatWithLocalePattern(formats().shortDate, QDateTime(day, QTime(0, 0)));
        }
        ++written;
        print.setRowCells(written, {dayText, store.cell(StoreTime, row), store.cell(StoreCategory, row),
                                    store.cell(StoreWhat, row), store.cell(StoreDone, row),
                                    store.cell(StoreAlarm, row)});
    }
    print.setRowCount(written + 1);
}

void fillPrintTable(const PrintSelection &selection, const TaskTable &store, const TaskTable &nonday,
                    TaskTable &print) {
    print.setRowCount(1);
    writeTitles(print);
    if (selection.done || selection.notDone)
        transferToGridPrint(selection, store, print, false);
    if (!selection.nonDate)
        return;
    for (int row = 1; row < nonday.rowCount(); ++row) {
        if (!isTaskRow(nonday, TaskList::Nonday, row) || !okToPrintNonDateTask(selection, nonday, row))
            continue;
        const int at = print.rowCount();
        print.setRowCount(at + 1);
        print.setRowCells(at, {QStringLiteral("Non-date"), QString(), nonday.cell(NondayCategory, row),
                               nonday.cell(NondayWhat, row), nonday.cell(NondayDone, row), QString()});
    }
}

void resetPrintTable(TaskTable &print) {
    print.setRowCount(1);
    print.setRowCount(2);
    writeTitles(print);
}

} // namespace corvane
