#include "editing/completedhistory.h"

#include "store/dateformats.h"
#include "store/programfolder.h"

#include <algorithm>

namespace corvane {

QString completedFileName() {
    return besideProgram(QStringLiteral("gridComp.grd"));
}

TaskTable emptyCompletedTable() {
    TaskTable table(6, 2);
    setCompletedTitles(table);
    return table;
}

void setCompletedTitles(TaskTable &table) {
    if (table.columnCount() < 6)
        table.setColumnCount(6);
    table.setRowCells(0, {QStringLiteral("Comp Date"), QStringLiteral("Time"), QStringLiteral("Category"),
                          QStringLiteral("Orig Date"), QStringLiteral("What"), QStringLiteral("Comp Notes")});
}

void addCompletion(TaskTable &table, const Completion &completion) {
    if (table.rowCount() < 2)
        table.setRowCount(2);
    if (!table.cell(CompDate, 1).isEmpty())
        table.insertRows(1, 1);
    table.setRowCells(1, {formatWithLocalePattern(formats().shortDate, completion.completedOn),
                          formatWithLocalePattern(formats().longTime, completion.taskTime),
                          completion.category, completion.origin, completion.what, completion.notes});
}

void removeCompletedRow(TaskTable &table, int row) {
    if (table.rowCount() < 3)
        table.clear();
    else if (row >= 1 && row < table.rowCount())
        table.removeRows(row, 1);
}

void clearCompleted(TaskTable &table) {
    table.setRowCount(2);
    table.clear();
}

QList<int> completedColumnWidths(int tableWidth, int dpi, int scrollBarWidth, int frameWidth,
                                 const QList<int> &needed, int minimumNotes) {
    QList<int> widths{70 * dpi / 96, 62 * dpi / 96, 58 * dpi / 96, 128 * dpi / 96};
    for (int column = 0; column < widths.size(); ++column)
        widths[column] = std::max(widths[column], needed.value(column));
    const int rest =
        tableWidth - widths[0] - widths[1] - widths[2] - widths[3] - scrollBarWidth - frameWidth - 6;
    // A window narrower than the fixed columns still leaves the notes columns visible.
    const int half = std::max(rest / 2, minimumNotes);
    widths << half << half;
    return widths;
}

} // namespace corvane
