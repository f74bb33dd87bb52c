#include "settings/samplecalendar.h"

#include <QPainter>

namespace corvane {

SampleCalendar::SampleCalendar(int year, int month, QWidget *parent) : QCalendarWidget(parent) {
    const QDate first(year, month, 1);
    setDateRange(first, first.addMonths(1).addDays(-1));
    setCurrentPage(year, month);
    setFirstDayOfWeek(Qt::Sunday);
    setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setSelectionMode(QCalendarWidget::NoSelection);
    setNavigationBarVisible(false);
    setDateEditEnabled(false);
}

void SampleCalendar::setDayColors(const QColor &text, const QColor &background) {
    m_text = text;
    m_background = background;
    updateCells();
}

void SampleCalendar::paintCell(QPainter *painter, const QRect &rect, QDate date) const {
    if (date.month() != monthShown() || date.year() != yearShown()) {
        QCalendarWidget::paintCell(painter, rect, date);
        return;
    }
    painter->save();
    painter->fillRect(rect, m_background);
    painter->setPen(m_text);
    painter->drawText(rect, Qt::AlignCenter, QString::number(date.day()));
    painter->restore();
}

} // namespace corvane
