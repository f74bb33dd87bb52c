#include "recurrence/daygrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace corvane {

namespace {

constexpr int lastDay = 31;

int dayOfCell(int row, int column) {
    return row * DayGrid::columns + column + 1;
}

} // namespace

DayGrid::DayGrid(QWidget *parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void DayGrid::selectCell(int row, int column) {
    if (row < 0 || row >= rows || column < 0 || column >= columns || dayOfCell(row, column) > lastDay)
        return;
    bool &flag = m_days[dayOfCell(row, column) - 1];
    flag = !flag;
    update();
}

// Cells share their one-pixel grid lines; the outer frame is drawn around them.
QRect DayGrid::cellRect(int row, int column) const {
    const int width = (this->width() - 1) / columns;
    const int height = (this->height() - 1) / rows;
    return QRect(1 + column * width, 1 + row * height, width - 1, height - 1);
}

QSize DayGrid::sizeHint() const {
    const int cell = fontMetrics().horizontalAdvance(QStringLiteral("000")) + 4;
    const int height = fontMetrics().height() + 5;
    return QSize(columns * cell + 1, rows * height + 1);
}

void DayGrid::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Mid));
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const QRect cell = cellRect(row, column);
            const int day = dayOfCell(row, column);
            const bool selected = day <= lastDay && m_days[day - 1];
            painter.fillRect(cell, selected ? Qt::black : Qt::white);
            if (day <= lastDay) {
                painter.setPen(selected ? Qt::white : Qt::black);
                painter.drawText(cell.topLeft() + QPoint(2, 2 + fontMetrics().ascent()),
                                 QString::number(day));
            }
            if (hasFocus() && row == m_focusRow && column == m_focusColumn) {
                painter.setPen(QPen(selected ? Qt::white : Qt::black, 1, Qt::DotLine));
                painter.drawRect(cell.adjusted(1, 1, -2, -2));
            }
        }
    }
}

void DayGrid::mousePressEvent(QMouseEvent *event) {
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            if (cellRect(row, column).contains(event->position().toPoint())) {
                if (dayOfCell(row, column) <= lastDay) {
                    m_focusRow = row;
                    m_focusColumn = column;
                }
                selectCell(row, column);
            }
}

void DayGrid::keyPressEvent(QKeyEvent *event) {
    int row = m_focusRow;
    int column = m_focusColumn;
    switch (event->key()) {
    case Qt::Key_Left:
        --column;
        break;
    case Qt::Key_Right:
        ++column;
        break;
    case Qt::Key_Up:
        --row;
        break;
    case Qt::Key_Down:
        ++row;
        break;
    case Qt::Key_Space:
        selectCell(m_focusRow, m_focusColumn);
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (row >= 0 && row < rows && column >= 0 && column < columns && dayOfCell(row, column) <= lastDay) {
        m_focusRow = row;
        m_focusColumn = column;
        update();
    }
}

} // namespace corvane
