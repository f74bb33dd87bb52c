#pragma once

#include <QMimeData>
#include <QTableView>

#include <functional>
#include <memory>

class QMenu;

namespace corvane {

class TaskTable;
class TaskTableModel;

// A visible task list over a TaskTable: the table's row 0 is the header, rows are selected whole and
// never edited in place. Row numbers here are table rows (1 = first record).
class TaskGrid : public QTableView {
    Q_OBJECT
public:
    // The grid starts with a table of its own; setTable() shows another one instead.
    explicit TaskGrid(QWidget *parent = nullptr);
    ~TaskGrid() override;

    TaskTable &table() const { return *m_table; }
    // Shows a table the caller owns (and keeps alive while shown); nullptr returns to the grid's own.
    void setTable(TaskTable *table);

    // The current row: 1 when there is no current row yet.
    int row() const;
    void setRow(int row);
    // The number of rows that fit the view wholly.
    int visibleRowCount() const;

    // Strike-out of rows whose cell in the done column contains "Yes".
    void setDoneColumn(int column);
    void setStrikeOut(bool on);
    bool strikeOut() const;
    bool isStruckOut(int row) const;

    // Focused lists show their selected row in highlight colours, the others in window colours.
    void setSelectionActive(bool active);
    bool selectionActive() const { return m_selectionActive; }

    void setRowHeight(int pixels);
    int rowHeight() const;
    // The width column `column` needs to show its title and a text `textWidth` pixels wide whole.
    int fitWidth(int column, int textWidth = 0) const;
    // Sets the width in the view and in the table (which keeps it in its grid file).
    void setColumnWidth(int column, int width);
    // Shows the widths the table holds (after the table's widths were set directly).
    void applyColumnWidths();

    // Title-click sorting: a click on the sort column reverses the direction, another column becomes the
    // sort column, ascending. Lists with fewer than two records do not sort; canSort can refuse a column.
    void setCanSort(std::function<bool(int column)> canSort) { m_canSort = std::move(canSort); }
    bool sortByTitle(int column);

    // Shown on a right click over the list.
    void setPopupMenu(QMenu *menu) { m_popupMenu = menu; }

    // Dragging rows: a press on a row selects it as ever, and only a move past the drag distance starts
    // a drag of the current row. Whether a drop on a row is taken is asked through rowDragOver();
    // rowDropped() then does it. Drops of anything but a dragged row are refused.
    void setRowDragEnabled(bool on);
    bool rowDragEnabled() const { return m_rowDrag; }
    // What a drag of the current row carries, and the name of the list a dragged row came from (empty
    // for other data, or for rows of another process).
    QMimeData *rowDragData() const;
    static QString draggedListName(const QMimeData *data);
    // The table row under a point of the viewport; 0 when there is none.
    int tableRowAt(const QPoint &pos) const;

signals:
    void currentRowChanged(int row);
    // A cell's text or the table's shape changed.
    void contentsChanged();
    void sorted(int column);
    void entered();
    void left();
    void rowDoubleClicked(int row);
    // A dragged row is over `row` (0: over no row); set *accept to take a drop there.
    void rowDragOver(const QMimeData *data, int row, bool *accept);
    void rowDropped(const QMimeData *data, int row);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void startRowDrag();
    void tableReset();
    void applySelectionColors();

    std::unique_ptr<TaskTable> m_ownTable;
    TaskTable *m_table;
    TaskTableModel *m_model;
    std::function<bool(int)> m_canSort;
    QMenu *m_popupMenu = nullptr;
    bool m_selectionActive = false;
    int m_rowBeforeReset = 1;
    bool m_rowDrag = false;
    // Where the left button went down on a row, while a drag may still start; null otherwise.
    QPoint m_dragStart;
    bool m_dragPending = false;
};

} // namespace corvane
