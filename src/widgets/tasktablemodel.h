#pragma once

#include <QAbstractTableModel>

namespace corvane {

class TaskTable;

// Shows a TaskTable: its row 0 becomes the horizontal header, data rows 1..n become rows 0..n-1.
// The model follows the table through its observer; cells are read-only.
class TaskTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TaskTableModel(TaskTable *table, QObject *parent = nullptr);
    ~TaskTableModel() override;

    TaskTable *table() const { return m_table; }
    void setTable(TaskTable *table);

    // Rows whose cell in this column contains "Yes" are struck out while strike-out is on; -1 for none.
    void setDoneColumn(int column);
    int doneColumn() const { return m_doneColumn; }
    void setStrikeOut(bool on);
    bool strikeOut() const { return m_strikeOut; }
    bool isStruckOut(int tableRow) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

signals:
    // The table changed its shape or many cells at once (the view re-reads everything).
    void tableReset();

private:
    void observe();
    void tableChanged(int column, int row);

    TaskTable *m_table;
    int m_rows = 0;
    int m_columns = 0;
    int m_doneColumn = -1;
    bool m_strikeOut = false;
};

} // namespace corvane
