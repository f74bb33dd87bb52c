#pragma once

#include "store/tasktable.h"

#include <QDateTime>
#include <QList>
#include <QString>

namespace corvane {

// Columns of the completed-task history, newest record first.
enum CompletedColumn { CompDate = 0, CompTime, CompCategory, CompOrigin, CompWhat, CompNotes };

// One completion, as the task editor hands it over.
struct Completion {
    QDateTime completedOn; // its date is written
    QDateTime taskTime;    // its time of day is written
    QString category;
    QString origin; // "ddd ddddd" of the task's day, or the non-date texts
    QString what;   // joined memo lines
    QString notes;  // joined memo lines
};

// The history's file beside the program.
QString completedFileName();

// An empty history: the title row and one empty row.
TaskTable emptyCompletedTable();
// Writes the six column titles into row 0, whatever it held.
void setCompletedTitles(TaskTable &table);
// Puts the record at row 1, above the older ones (an empty row 1 is filled instead).
void addCompletion(TaskTable &table, const Completion &completion);
// Removes a row; the only data row is emptied instead, so one row always remains.
void removeCompletedRow(TaskTable &table, int row);
// Back to the title row and one empty row.
void clearCompleted(TaskTable &table);

// Column widths for a table `tableWidth` pixels wide at `dpi` pixels per inch: four fixed columns, each
// widened to what its texts need (`needed`, by column) when that is more, the last two sharing what is
// left, each at least `minimumNotes` wide.
QList<int> completedColumnWidths(int tableWidth, int dpi, int scrollBarWidth, int frameWidth,
                                 const QList<int> &needed = {}, int minimumNotes = 30);

} // namespace corvane
