#include "calendar/monthcalendar.h"

#include "store/clock.h"

#include <QDragMoveEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>

#include <algorithm>

namespace corvane {

namespace {

constexpr int Weeks = 6;
constexpr int Cells = Weeks * 7;

// The font shrunk until its line fits the height, so tiny calendars stay readable.
QFont fitted(QFont font, int height) {
    const int limit = std::max(4, height);
    if (QFontMetrics(font).height() <= limit)
        return font;
    font.setPixelSize(std::max(4, limit - 1));
    return font;
}

void drawBevel(QPainter &painter, QRect rect, int width, bool raised, const QPalette &palette) {
    const QColor topLeft = raised ? palette.color(QPalette::Light) : palette.color(QPalette::Dark);
    const QColor bottomRight = raised ? palette.color(QPalette::Dark) : palette.color(QPalette::Light);
    for (int i = 0; i < width && rect.width() > 1 && rect.height() > 1; ++i) {
        painter.setPen(topLeft);
        painter.drawLine(rect.topLeft(), rect.topRight());
        painter.drawLine(rect.topLeft(), rect.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(rect.bottomLeft(), rect.bottomRight());
        painter.drawLine(rect.topRight(), rect.bottomRight());
        rect.adjust(1, 1, -1, -1);
    }
}

} // namespace

MonthCalendar::MonthCalendar(QWidget *parent)
    : QWidget(parent), m_date(now().date()), m_selectedColor(palette().color(QPalette::Light)),
      m_selectedFont(font()), m_labelFont(font()) {
    m_labelFont.setBold(true);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MonthCalendar::setDate(const QDate &date) {
    if (!date.isValid() || date == m_date)
        return;
    const bool monthChanges = date.year() != m_date.year() || date.month() != m_date.month();
    m_date = date;
    update();
    emit dateChanged();
    if (monthChanges)
        emit monthChanged();
}

void MonthCalendar::setSelectedColor(const QColor &color) {
    m_selectedColor = color;
    update();
}

void MonthCalendar::setSelectedFont(const QFont &font) {
    m_selectedFont = font;
    update();
}

void MonthCalendar::setLabelFont(const QFont &font) {
    m_labelFont = font;
    update();
}

void MonthCalendar::setBevel(Bevel bevel) {
    m_bevel = bevel;
    update();
}

void MonthCalendar::setBevelWidth(int width) {
    m_bevelWidth = std::max(0, width);
    update();
}

void MonthCalendar::setCellBevels(bool on) {
    m_cellBevels = on;
    update();
}

void MonthCalendar::setFirstDayOfWeek(Qt::DayOfWeek day) {
    m_firstDay = day;
    update();
}

void MonthCalendar::setShowLabels(bool on) {
    m_showLabels = on;
    update();
}

void MonthCalendar::setRaisedLabels(bool on) {
    m_raisedLabels = on;
    update();
}

void MonthCalendar::setShowWeekdays(bool on) {
    m_showWeekdays = on;
    update();
}

void MonthCalendar::setOneLetterWeekdays(bool on) {
    m_oneLetterWeekdays = on;
    update();
}

QDate MonthCalendar::firstShownDate() const {
    const QDate first(m_date.year(), m_date.month(), 1);
    const int lead = (first.dayOfWeek() - m_firstDay + 7) % 7;
    return first.addDays(-lead);
}

QRect MonthCalendar::contentRect() const {
    const int b = m_bevel == Bevel::None ? 0 : m_bevelWidth;
    return rect().adjusted(b, b, -b, -b);
}

int MonthCalendar::labelHeight() const {
    if (!m_showLabels)
        return 0;
    return QFontMetrics(fitted(m_labelFont, contentRect().height() / 4)).height() + 2;
}

int MonthCalendar::headerHeight() const {
    if (!m_showWeekdays)
        return 0;
    return QFontMetrics(fitted(font(), contentRect().height() / (Weeks + 2))).height() + 2;
}

QRect MonthCalendar::cellArea() const {
    return contentRect().adjusted(0, labelHeight() + headerHeight(), 0, 0);
}

QRect MonthCalendar::cellRect(int cellId) const {
    if (cellId < 1 || cellId > Cells)
        return {};
    const QRect area = cellArea();
    const int row = (cellId - 1) / 7;
    const int column = (cellId - 1) % 7;
    // Edges by proportion, so the cells fill the area without a gap at the right or bottom.
    const int left = area.left() + column * area.width() / 7;
    const int right = area.left() + (column + 1) * area.width() / 7;
    const int top = area.top() + row * area.height() / Weeks;
    const int bottom = area.top() + (row + 1) * area.height() / Weeks;
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

int MonthCalendar::cellAt(const QPoint &pos) const {
    const QRect area = cellArea();
    if (!area.contains(pos) || area.width() < 7 || area.height() < Weeks)
        return -1;
    const int column = std::min(6, (pos.x() - area.left()) * 7 / area.width());
    const int row = std::min(Weeks - 1, (pos.y() - area.top()) * Weeks / area.height());
    return row * 7 + column + 1;
}

QDate MonthCalendar::dateOfCell(int cellId) const {
    if (cellId < 1 || cellId > Cells)
        return {};
    return firstShownDate().addDays(cellId - 1);
}

QSize MonthCalendar::sizeHint() const {
    return {180, 140};
}

QSize MonthCalendar::minimumSizeHint() const {
    // Cells as wide as the widest day number in the cell font, with room on each side.
    const QFontMetrics metrics(font());
    int widest = 0;
    for (int day = 1; day <= 31; ++day)
        widest = std::max(widest, metrics.horizontalAdvance(QString::number(day)));
    const int frame = m_bevel == Bevel::None ? 0 : 2 * m_bevelWidth;
    return {std::max(50, 7 * (widest + 4) + frame), 40};
}

void MonthCalendar::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    paintFrame(painter);

    const QRect content = contentRect();
    if (m_showLabels)
        paintLabels(painter, QRect(content.left(), content.top(), content.width(), labelHeight()));
    if (m_showWeekdays)
        paintHeader(painter,
                    QRect(content.left(), content.top() + labelHeight(), content.width(), headerHeight()));

    const int cellHeight = cellArea().height() / Weeks;
    const QFont cellFont = fitted(font(), cellHeight);
    const QFont selectedFont = fitted(m_selectedFont, cellHeight);
    const bool hasHandler = isSignalConnected(QMetaMethod::fromSignal(&MonthCalendar::drawCell));
    const QDate first = firstShownDate();
    const QDate today = now().date();
    for (int id = 1; id <= Cells; ++id) {
        CalendarCell cell;
        cell.cellId = id;
        cell.rect = cellRect(id);
        cell.date = first.addDays(id - 1);
        cell.day = cell.date.day();
        cell.inCurrentMonth = cell.date.month() == m_date.month();
        cell.selected = cell.date == m_date;
        cell.today = cell.date == today;
        paintCell(painter, cell, cellFont, selectedFont, hasHandler);
    }
    if (m_dropCell > 0) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(cellRect(m_dropCell).adjusted(1, 1, -1, -1));
    }
}

void MonthCalendar::paintFrame(QPainter &painter) const {
    if (m_bevel != Bevel::None)
        drawBevel(painter, rect(), m_bevelWidth, m_bevel == Bevel::Raised, palette());
}

void MonthCalendar::paintLabels(QPainter &painter, const QRect &area) const {
    const QString text =
        locale().monthName(m_date.month()) + QLatin1Char(' ') + QString::number(m_date.year());
    painter.setFont(fitted(m_labelFont, area.height() - 2));
    if (m_raisedLabels) {
        painter.setPen(palette().color(QPalette::Light));
        painter.drawText(area.translated(1, 1), Qt::AlignCenter, text);
    }
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(area, Qt::AlignCenter, text);
}

void MonthCalendar::paintHeader(QPainter &painter, const QRect &area) const {
    painter.setFont(fitted(font(), area.height() - 2));
    painter.setPen(palette().color(QPalette::Dark));
    QStringList names;
    int widest = 0;
    for (int column = 0; column < 7; ++column) {
        const int weekday = (m_firstDay + column - 1) % 7 + 1; // 1 = Monday .. 7 = Sunday
        names << locale().dayName(weekday, QLocale::ShortFormat);
        widest = std::max(widest, painter.fontMetrics().horizontalAdvance(names.last()));
    }
    // Names that would run into each other shrink to their first letter.
    const bool oneLetter = m_oneLetterWeekdays || widest + 2 > area.width() / 7;
    for (int column = 0; column < 7; ++column) {
        const QString name = oneLetter ? names[column].left(1) : names[column];
        const int left = area.left() + column * area.width() / 7;
        const int right = area.left() + (column + 1) * area.width() / 7;
        painter.drawText(QRect(left, area.top(), right - left, area.height() - 1), Qt::AlignCenter, name);
    }
    painter.drawLine(area.left() + 2, area.bottom(), area.right() - 2, area.bottom());
}

void MonthCalendar::paintCell(QPainter &painter, const CalendarCell &cell, const QFont &cellFont,
                              const QFont &selectedFont, bool hasHandler) {
    // The canvas a handler finds: the calendar's own colours and font for this cell.
    painter.save();
    painter.setBrush(cell.selected ? m_selectedColor : palette().color(QPalette::Button));
    painter.setPen(cell.inCurrentMonth ? palette().color(QPalette::ButtonText)
                                       : palette().color(QPalette::Disabled, QPalette::ButtonText));
    painter.setFont(cell.selected ? selectedFont : cellFont);
    bool useDefaultDrawing = !hasHandler;
    if (hasHandler)
        emit drawCell(&painter, cell, &useDefaultDrawing);
    if (useDefaultDrawing)
        paintDefaultCell(painter, cell);
    painter.restore();
}

void MonthCalendar::paintDefaultCell(QPainter &painter, const CalendarCell &cell) const {
    const QColor text = painter.pen().color();
    painter.fillRect(cell.rect, painter.brush());
    if (m_cellBevels)
        drawBevel(painter, cell.rect, 1, false, palette());
    if (cell.today && cell.inCurrentMonth) {
        painter.setPen(QColor(160, 0, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(cell.rect.adjusted(1, 1, -2, -2));
    }
    painter.setPen(text);
    painter.drawText(cell.rect, Qt::AlignCenter, QString::number(cell.day));
}

void MonthCalendar::mousePressEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    emit clicked();
    const QDate day = dayPressed(*event);
    if (day.isValid())
        setDate(day);
}

void MonthCalendar::mouseDoubleClickEvent(QMouseEvent *event) {
    // The second press of a double click selects like the first, so the handler sees the clicked day.
    mousePressEvent(event);
    if (event->button() == Qt::LeftButton && cellAt(event->position().toPoint()) > 0)
        emit cellDoubleClicked();
}

QDate MonthCalendar::dayPressed(const QMouseEvent &event) {
    const QPoint pos = event.position().toPoint();
    // A press on a neighbouring month's day turns the calendar to that month, so the second press of a
    // double click, at the same spot, lands on another day: it takes the day of the first press.
    const bool secondPress =
        m_lastPress.day.isValid() &&
        event.timestamp() - m_lastPress.time <
            ulong(QGuiApplication::styleHints()->mouseDoubleClickInterval()) &&
        (pos - m_lastPress.pos).manhattanLength() <= QGuiApplication::styleHints()->startDragDistance();
    const int cell = cellAt(pos);
    const QDate day = secondPress ? m_lastPress.day : cell > 0 ? dateOfCell(cell) : QDate();
    m_lastPress = {pos, event.timestamp(), day};
    return day;
}

void MonthCalendar::mouseMoveEvent(QMouseEvent *event) {
    emit mouseMoved(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

void MonthCalendar::setDropCell(int cellId) {
    if (cellId == m_dropCell)
        return;
    m_dropCell = cellId;
    update();
}

void MonthCalendar::dragEnterEvent(QDragEnterEvent *event) {
    // Taken for now, so the moves arrive; each move then decides by the cell under the mouse.
    event->acceptProposedAction();
}

void MonthCalendar::dragMoveEvent(QDragMoveEvent *event) {
    bool accept = false;
    const int cell = cellAt(event->position().toPoint());
    if (cell > 0)
        emit dragOver(event->mimeData(), &accept);
    setDropCell(accept ? cell : -1);
    if (accept)
        event->acceptProposedAction();
    else
        event->ignore();
}

void MonthCalendar::dragLeaveEvent(QDragLeaveEvent *) {
    setDropCell(-1);
}

void MonthCalendar::dropEvent(QDropEvent *event) {
    setDropCell(-1);
    const int cell = cellAt(event->position().toPoint());
    bool accept = false;
    if (cell > 0)
        emit dragOver(event->mimeData(), &accept);
    if (!accept)
        return event->ignore();
    event->acceptProposedAction();
    emit dropped(event->mimeData(), cell);
}

void MonthCalendar::changeEvent(QEvent *event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        update();
    QWidget::changeEvent(event);
}

} // namespace corvane
