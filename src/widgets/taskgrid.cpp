#include "widgets/taskgrid.h"

#include "store/tasktable.h"
#include "widgets/tasktablemodel.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDrag>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <algorithm>

namespace corvane {

namespace {

// An empty row (the one row of an empty list) holds no task, so it is never drawn as selected.
class RowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (rowIsEmpty(index))
            option->state &= ~QStyle::State_Selected;
    }

private:
    static bool rowIsEmpty(const QModelIndex &index) {
        for (int column = 0; column < index.model()->columnCount(); ++column)
            if (!index.siblingAtColumn(column).data().toString().isEmpty())
                return false;
        return true;
    }
};

} // namespace

TaskGrid::TaskGrid(QWidget *parent)
    : QTableView(parent), m_ownTable(std::make_unique<TaskTable>(1, 2)), m_table(m_ownTable.get()),
      m_model(new TaskTableModel(m_table, this)) {
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setTabKeyNavigation(false);
    // The columns are fitted to the list's width; a list too narrow for them scrolls sideways.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setItemDelegate(new RowDelegate(this));
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setMinimumSectionSize(1);
    setRowHeight(16);

    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &TaskGrid::sortByTitle);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int width) { m_table->setColumnWidth(column, width); });
    connect(m_model, &QAbstractItemModel::modelAboutToBeReset, this, [this] { m_rowBeforeReset = row(); });
    connect(m_model, &TaskTableModel::tableReset, this, &TaskGrid::tableReset);
    connect(m_model, &QAbstractItemModel::dataChanged, this, &TaskGrid::contentsChanged);
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex &index) { emit rowDoubleClicked(index.row() + 1); });
    applySelectionColors();
    tableReset();
}

TaskGrid::~TaskGrid() {
    // The model lets go of the table's observer before a table given to us outlives the grid.
    delete m_model;
}

void TaskGrid::setTable(TaskTable *table) {
    m_table = table ? table : m_ownTable.get();
    m_model->setTable(m_table);
}

int TaskGrid::row() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : 1;
}

void TaskGrid::setRow(int row) {
    if (m_model->rowCount() == 0 || row < 1 || row > m_model->rowCount())
        return;
    const int column = std::max(0, currentIndex().column());
    selectionModel()->setCurrentIndex(m_model->index(row - 1, column),
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

int TaskGrid::visibleRowCount() const {
    const int height = rowHeight();
    return height > 0 ? viewport()->height() / height : 0;
}

void TaskGrid::setDoneColumn(int column) {
    m_model->setDoneColumn(column);
}

void TaskGrid::setStrikeOut(bool on) {
    m_model->setStrikeOut(on);
}

bool TaskGrid::strikeOut() const {
    return m_model->strikeOut();
}

bool TaskGrid::isStruckOut(int row) const {
    return m_model->isStruckOut(row);
}

void TaskGrid::setSelectionActive(bool active) {
    m_selectionActive = active;
    applySelectionColors();
}

void TaskGrid::applySelectionColors() {
    const QPalette system = QApplication::palette(this);
    QPalette colors = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        colors.setColor(group, QPalette::Highlight,
                        system.color(group, m_selectionActive ? QPalette::Highlight : QPalette::Base));
        colors.setColor(group, QPalette::HighlightedText,
                        system.color(group, m_selectionActive ? QPalette::HighlightedText : QPalette::Text));
    }
    setPalette(colors);
}

void TaskGrid::setRowHeight(int pixels) {
    verticalHeader()->setDefaultSectionSize(pixels);
}

int TaskGrid::rowHeight() const {
    return verticalHeader()->defaultSectionSize();
}

int TaskGrid::fitWidth(int column, int textWidth) const {
    // The style's text margin on each side, the grid line, and a pixel for rounding of the text's width.
    const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 2;
    return std::max(horizontalHeader()->sectionSizeHint(column), textWidth + margins);
}

void TaskGrid::setColumnWidth(int column, int width) {
    m_table->setColumnWidth(column, width);
    QTableView::setColumnWidth(column, width);
}

bool TaskGrid::sortByTitle(int column) {
    if (m_table->rowCount() - 1 < 2 || column < 0 || column >= m_table->columnCount())
        return false;
    if (m_canSort && !m_canSort(column))
        return false;
    if (column == m_table->sortColumn()) {
        m_table->setSortAscending(!m_table->sortAscending());
    } else {
        m_table->setSortColumn(column);
        m_table->setSortAscending(true);
    }
    m_table->sort();
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(column,
                                         m_table->sortAscending() ? Qt::AscendingOrder : Qt::DescendingOrder);
    emit sorted(column);
    return true;
}

void TaskGrid::focusInEvent(QFocusEvent *event) {
    QTableView::focusInEvent(event);
    emit entered();
}

void TaskGrid::focusOutEvent(QFocusEvent *event) {
    QTableView::focusOutEvent(event);
    emit left();
}

void TaskGrid::contextMenuEvent(QContextMenuEvent *event) {
    if (m_popupMenu)
        m_popupMenu->popup(event->globalPos());
}

void TaskGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous) {
    QTableView::currentChanged(current, previous);
    if (current.row() != previous.row())
        emit currentRowChanged(row());
}

// --- Dragging rows ---------------------------------------------------------------------------------------

namespace {

const QString rowMimeType = QStringLiteral("application/x-corvane-task-row");

} // namespace

void TaskGrid::setRowDragEnabled(bool on) {
    m_rowDrag = on;
    setAcceptDrops(on);
    viewport()->setAcceptDrops(on);
}

QMimeData *TaskGrid::rowDragData() const {
    auto *data = new QMimeData;
    data->setData(rowMimeType,
                  QByteArray::number(QCoreApplication::applicationPid()) + ' ' + objectName().toUtf8());
    return data;
}

QString TaskGrid::draggedListName(const QMimeData *data) {
    if (!data || !data->hasFormat(rowMimeType))
        return {};
    const QByteArray bytes = data->data(rowMimeType);
    const qsizetype space = bytes.indexOf(' ');
    if (space < 0 || bytes.left(space) != QByteArray::number(QCoreApplication::applicationPid()))
        return {};
    return QString::fromUtf8(bytes.mid(space + 1));
}

int TaskGrid::tableRowAt(const QPoint &pos) const {
    const QModelIndex index = indexAt(pos);
    return index.isValid() ? index.row() + 1 : 0;
}

void TaskGrid::mousePressEvent(QMouseEvent *event) {
    QTableView::mousePressEvent(event);
    const QPoint pos = event->position().toPoint();
    m_dragPending =
        m_rowDrag && event->button() == Qt::LeftButton && m_table->rowCount() > 1 && tableRowAt(pos) > 0;
    m_dragStart = pos;
}

void TaskGrid::mouseMoveEvent(QMouseEvent *event) {
    if (!m_dragPending)
        return QTableView::mouseMoveEvent(event);
    // While the button is down on a row the selection stays put: the row pressed is the one dragged.
    if (!(event->buttons() & Qt::LeftButton)) {
        m_dragPending = false;
        return;
    }
    if ((event->position().toPoint() - m_dragStart).manhattanLength() >= QApplication::startDragDistance()) {
        m_dragPending = false;
        startRowDrag();
    }
}

void TaskGrid::mouseReleaseEvent(QMouseEvent *event) {
    m_dragPending = false;
    QTableView::mouseReleaseEvent(event);
}

void TaskGrid::mouseDoubleClickEvent(QMouseEvent *event) {
    m_dragPending = false;
    QTableView::mouseDoubleClickEvent(event);
}

void TaskGrid::startRowDrag() {
    const int modelRow = row() - 1;
    auto *drag = new QDrag(this);
    drag->setMimeData(rowDragData());
    const QRect rowRect(0, rowViewportPosition(modelRow), viewport()->width(),
                        QTableView::rowHeight(modelRow));
    // The row, faded, hangs below and right of the pointer, so the day or row aimed at stays in sight.
    const QPixmap picture = viewport()->grab(rowRect);
    QPixmap faded(picture.size());
    faded.setDevicePixelRatio(picture.devicePixelRatio());
    faded.fill(Qt::transparent);
    QPainter painter(&faded);
    painter.setOpacity(0.7);
    painter.drawPixmap(0, 0, picture);
    painter.end();
    drag->setPixmap(faded);
    drag->setHotSpot(QPoint(-12, -12));
    drag->exec(Qt::MoveAction);
}

void TaskGrid::dragEnterEvent(QDragEnterEvent *event) {
    // Taken for now, so the moves arrive; each move then decides by the row under the mouse.
    if (draggedListName(event->mimeData()).isEmpty())
        return event->ignore();
    event->acceptProposedAction();
}

void TaskGrid::dragMoveEvent(QDragMoveEvent *event) {
    const QPoint pos = event->position().toPoint();
    // Near the top or the bottom edge the list scrolls a row, so rows out of sight can be reached.
    if (pos.y() < rowHeight())
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    else if (pos.y() > viewport()->height() - rowHeight())
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    bool accept = false;
    emit rowDragOver(event->mimeData(), tableRowAt(pos), &accept);
    if (accept)
        event->acceptProposedAction();
    else
        event->ignore();
}

void TaskGrid::dropEvent(QDropEvent *event) {
    const QMimeData *data = event->mimeData();
    if (draggedListName(data).isEmpty())
        return event->ignore();
    event->acceptProposedAction();
    emit rowDropped(data, tableRowAt(event->position().toPoint()));
}

void TaskGrid::tableReset() {
    applyColumnWidths();
    setRow(std::clamp(m_rowBeforeReset, 1, std::max(1, m_model->rowCount())));
    emit contentsChanged();
}

void TaskGrid::applyColumnWidths() {
    for (int c = 0; c < m_table->columnCount(); ++c)
        QTableView::setColumnWidth(c, m_table->columnWidth(c));
}

} // namespace corvane
