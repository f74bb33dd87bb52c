#pragma once

#include "calendar/calendarcell.h"

#include <QColor>
#include <QDate>
#include <QFont>
#include <QMimeData>
#include <QRect>
#include <QWidget>

class QMouseEvent;
class QPainter;

namespace corvane {

// A month calendar: six weeks of day cells under optional month/year labels and a week-day header.
//
// Setting the date (by the program or by a click) raises dateChanged() when the date changed, then
// monthChanged() when the month changed. Cells can be painted by a handler of drawCell(): the painter
// arrives prepared with the calendar's own brush (cell background), pen (text colour) and font; the handler
// may change them or paint itself, and sets *useDefaultDrawing to have the calendar fill the cell with the
// brush and write the day number. A cell whose handler leaves it false is not drawn at all. Without a
// handler every cell gets the default drawing.
class MonthCalendar : public QWidget {
    Q_OBJECT
public:
    enum class Bevel { None, Raised, Lowered };

    explicit MonthCalendar(QWidget *parent = nullptr);

    QDate date() const { return m_date; }
    void setDate(const QDate &date);
    // Steps keep the day of the month, clamped to the target month's last day.
    void stepMonths(int months) { setDate(m_date.addMonths(months)); }
    void stepYears(int years) { setDate(m_date.addYears(years)); }
    void stepDays(int days) { setDate(m_date.addDays(days)); }

    QColor selectedColor() const { return m_selectedColor; }
    void setSelectedColor(const QColor &color);
    QFont selectedFont() const { return m_selectedFont; }
    void setSelectedFont(const QFont &font);
    // Font of the month and year labels.
    QFont labelFont() const { return m_labelFont; }
    void setLabelFont(const QFont &font);

    Bevel bevel() const { return m_bevel; }
    void setBevel(Bevel bevel);
    int bevelWidth() const { return m_bevelWidth; }
    void setBevelWidth(int width);
    // A lowered bevel around each day cell.
    bool cellBevels() const { return m_cellBevels; }
    void setCellBevels(bool on);

    Qt::DayOfWeek firstDayOfWeek() const { return m_firstDay; }
    void setFirstDayOfWeek(Qt::DayOfWeek day);
    bool showLabels() const { return m_showLabels; }
    void setShowLabels(bool on);
    bool raisedLabels() const { return m_raisedLabels; }
    void setRaisedLabels(bool on);
    bool showWeekdays() const { return m_showWeekdays; }
    void setShowWeekdays(bool on);
    bool oneLetterWeekdays() const { return m_oneLetterWeekdays; }
    void setOneLetterWeekdays(bool on);

    // The day cell under a point (1..42), -1 outside the cells.
    int cellAt(const QPoint &pos) const;
    QDate dateOfCell(int cellId) const;
    QRect cellRect(int cellId) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void dateChanged();
    void monthChanged();
    // A press anywhere on the calendar, raised before a pressed day becomes the date.
    void clicked();
    void cellDoubleClicked();
    void drawCell(QPainter *painter, const corvane::CalendarCell &cell, bool *useDefaultDrawing);
    void mouseMoved(const QPoint &pos);
    // Drops (while drops are accepted): something is dragged over a day cell; set *accept to take it
    // there. Points outside the day cells take no drop.
    void dragOver(const QMimeData *data, bool *accept);
    void dropped(const QMimeData *data, int cellId);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    QDate firstShownDate() const;
    QRect contentRect() const;
    int labelHeight() const;
    int headerHeight() const;
    QRect cellArea() const;
    void paintFrame(QPainter &painter) const;
    void paintLabels(QPainter &painter, const QRect &area) const;
    void paintHeader(QPainter &painter, const QRect &area) const;
    void paintCell(QPainter &painter, const CalendarCell &cell, const QFont &cellFont,
                   const QFont &selectedFont, bool hasHandler);
    void paintDefaultCell(QPainter &painter, const CalendarCell &cell) const;
    // The day a left press picks (invalid outside the cells).
    QDate dayPressed(const QMouseEvent &event);
    void setDropCell(int cellId);

    QDate m_date;
    QColor m_selectedColor;
    QFont m_selectedFont;
    QFont m_labelFont;
    Bevel m_bevel = Bevel::Lowered;
    int m_bevelWidth = 2;
    bool m_cellBevels = false;
    Qt::DayOfWeek m_firstDay = Qt::Sunday;
    bool m_showLabels = true;
    bool m_raisedLabels = true;
    bool m_showWeekdays = true;
    bool m_oneLetterWeekdays = false;
    struct Press {
        QPoint pos;
        ulong time = 0;
        QDate day;
    } m_lastPress;
    // The day cell a drop would land on, framed while a drag is over it; -1 for none.
    int m_dropCell = -1;
};

} // namespace corvane
