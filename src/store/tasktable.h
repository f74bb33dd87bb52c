#pragma once

#include <QList>
#include <QString>

#include <functional>

namespace corvane {

// A rectangular table of text cells. Row 0 holds the column titles, rows 1 and up one record each.
// Each column has a width (kept because the grid file stores it); the table sorts by a sort column and
// direction. Its persistent form is the grid file (save/load).
class TaskTable {
public:
    // Three-way comparison of two cell texts: negative, zero or positive.
    using Compare = std::function<int(const QString &, const QString &)>;
    // Told after every change: the cell changed, or (-1, -1) when the shape or many cells changed.
    using Observer = std::function<void(int column, int row)>;

    explicit TaskTable(int columns = 1, int rows = 1);

    int columnCount() const { return m_columns; }
    int rowCount() const { return m_rows; }
    void setColumnCount(int columns);
    // Growing adds empty rows at the end, shrinking drops rows from the end; at least one row stays.
    void setRowCount(int rows);

    // A cell outside the table reads as empty text; writing outside the table does nothing.
    const QString &cell(int column, int row) const;
    void setCell(int column, int row, const QString &text);
    QStringList rowCells(int row) const;
    void setRowCells(int row, const QStringList &cells);

    int columnWidth(int column) const;
    void setColumnWidth(int column, int width);

    // Rows from `at` on move down by `count`; `at` equal to the row count appends.
    void insertRows(int at, int count);
    void removeRows(int at, int count);
    // Removes, in one pass, every data row for which `drop` (given the row) is true; the title row stays.
    void removeDataRowsIf(const std::function<bool(int row)> &drop);
    // Takes the row at `from` out and puts it back at `to`; the rows between shift by one.
    void moveRow(int from, int to);
    // Empties every cell of every data row; the title row and the row count stay.
    void clear();
    // Takes the shape, cells and widths of another table; the observer, comparisons and sort order of
    // this one stay, and the observer is told once.
    void takeContents(TaskTable &&other);
    // True when every cell of the data row is empty.
    bool rowIsEmpty(int row) const;

    int sortColumn() const { return m_sortColumn; }
    void setSortColumn(int column) { m_sortColumn = column; }
    bool sortAscending() const { return m_ascending; }
    void setSortAscending(bool ascending) { m_ascending = ascending; }
    // A column without a comparison of its own compares as ordinal text.
    void setColumnCompare(int column, Compare compare);
    // Orders the data rows by the sort column, ties broken by the following columns up to the
    // next-to-last one; row 0 never moves.
    void sort();

    // Writes the grid file atomically. On failure the old file stays whole and `error` names the reason.
    [[nodiscard]] bool save(const QString &fileName, QString *error = nullptr) const;
    // Reads a grid file into the table. Fails with "File <name> not found" or
    // "File contains no data or corrupt file <name>"; cells the file does not mention keep their text.
    // The counts of the header are bounded by what the file's size can fill, so a damaged header never
    // makes the table bigger than its file could describe.
    [[nodiscard]] bool load(const QString &fileName, QString *error = nullptr);
    // The grid file as bytes, and the reverse: load() and save() are these plus the file.
    QByteArray toGridBytes() const;
    [[nodiscard]] bool fromGridBytes(const QByteArray &bytes, const QString &fileName, QString *error);

    void setObserver(Observer observer) { m_observer = std::move(observer); }

private:
    int index(int column, int row) const { return row * m_columns + column; }
    int compareRows(int a, int b) const;
    void changed(int column = -1, int row = -1) const;

    int m_columns;
    int m_rows;
    QList<QString> m_cells; // row-major, m_rows * m_columns
    QList<int> m_widths;
    QList<Compare> m_compares;
    int m_sortColumn = 0;
    bool m_ascending = true;
    Observer m_observer;
};

// Ordinal text comparison: code unit by code unit, a prefix before the longer text.
int compareOrdinal(const QString &a, const QString &b);

} // namespace corvane
