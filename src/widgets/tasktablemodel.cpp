#include "widgets/tasktablemodel.h"

#include "store/tasktable.h"

#include <QFont>

namespace corvane {

TaskTableModel::TaskTableModel(TaskTable *table, QObject *parent)
    : QAbstractTableModel(parent), m_table(table) {
    observe();
}

TaskTableModel::~TaskTableModel() {
    if (m_table)
        m_table->setObserver({});
}

void TaskTableModel::setTable(TaskTable *table) {
    if (table == m_table)
        return;
    beginResetModel();
    if (m_table)
        m_table->setObserver({});
    m_table = table;
    observe();
    endResetModel();
    emit tableReset();
}

void TaskTableModel::observe() {
    m_rows = m_table ? m_table->rowCount() - 1 : 0;
    m_columns = m_table ? m_table->columnCount() : 0;
    if (m_table)
        m_table->setObserver([this](int column, int row) { tableChanged(column, row); });
}

void TaskTableModel::tableChanged(int column, int row) {
    if (column >= 0 && row >= 1) {
        // The done cell decides the look of its whole row.
        const bool wholeRow = column == m_doneColumn;
        emit dataChanged(index(row - 1, wholeRow ? 0 : column),
                         index(row - 1, wholeRow ? m_columns - 1 : column));
        return;
    }
    if (row == 0) {
        emit headerDataChanged(Qt::Horizontal, column, column);
        return;
    }
    // The table has already changed; a reset is the only honest notice for a new shape.
    beginResetModel();
    observe();
    endResetModel();
    emit tableReset();
}

void TaskTableModel::setDoneColumn(int column) {
    m_doneColumn = column;
    if (m_rows > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, m_columns - 1), {Qt::FontRole});
}

void TaskTableModel::setStrikeOut(bool on) {
    if (on == m_strikeOut)
        return;
    m_strikeOut = on;
    if (m_rows > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, m_columns - 1), {Qt::FontRole});
}

bool TaskTableModel::isStruckOut(int tableRow) const {
    return m_strikeOut && m_doneColumn >= 0 && m_table && tableRow >= 1 &&
           m_table->cell(m_doneColumn, tableRow).contains(QLatin1String("Yes"));
}

int TaskTableModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int TaskTableModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : m_columns;
}

QVariant TaskTableModel::data(const QModelIndex &index, int role) const {
    if (!m_table || !index.isValid())
        return {};
    const int tableRow = index.row() + 1;
    switch (role) {
    case Qt::DisplayRole:
        return m_table->cell(index.column(), tableRow);
    case Qt::FontRole:
        if (isStruckOut(tableRow)) {
            QFont font;
            font.setStrikeOut(true);
            return font;
        }
        return {};
    default:
        return {};
    }
}

QVariant TaskTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (!m_table || role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return m_table->cell(section, 0);
    return section + 1;
}

Qt::ItemFlags TaskTableModel::flags(const QModelIndex &index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

} // namespace corvane
