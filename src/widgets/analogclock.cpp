#include "widgets/analogclock.h"

#include <QPainter>

#include <QPainterPath>
#include <algorithm>

namespace corvane {

AnalogClock::AnalogClock(QWidget *parent) : QWidget(parent) {}

void AnalogClock::setTime(const QTime &time) {
    m_time = time;
    update();
}

void AnalogClock::setShowSeconds(bool show) {
    m_showSeconds = show;
    update();
}

void AnalogClock::setHandColors(const QColor &hour, const QColor &minute) {
    m_hourHand = hour;
    m_minuteHand = minute;
    update();
}

namespace {

// A hand from the centre, on a face of radius 100, turned by `degrees` clockwise from twelve o'clock.
void drawHand(QPainter &painter, double degrees, double length, double width, const QColor &color) {
    painter.save();
    painter.rotate(degrees);
    QPainterPath hand;
    hand.moveTo(-width / 2, 8);
    hand.lineTo(width / 2, 8);
    hand.lineTo(width / 4, -length);
    hand.lineTo(-width / 4, -length);
    hand.closeSubpath();
    painter.fillPath(hand, color);
    painter.restore();
}

} // namespace

void AnalogClock::paintEvent(QPaintEvent *) {
    const int side = std::min(width(), height());
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(width() / 2.0, height() / 2.0);
    painter.scale(side / 210.0, side / 210.0);

    painter.setPen(QPen(QColor(40, 40, 70), 4));
    painter.setBrush(QColor(250, 250, 245));
    painter.drawEllipse(QPointF(0, 0), 100, 100);

    for (int mark = 0; mark < 60; ++mark) {
        const bool hour = mark % 5 == 0;
        painter.setPen(QPen(QColor(40, 40, 70), hour ? 5 : 1.5));
        painter.drawLine(QPointF(0, hour ? -80 : -88), QPointF(0, -94));
        painter.rotate(6.0);
    }

    const double minutes = m_time.minute() + m_time.second() / 60.0;
    drawHand(painter, 30.0 * ((m_time.hour() % 12) + minutes / 60.0), 52, 10, m_hourHand);
    drawHand(painter, 6.0 * minutes, 80, 7, m_minuteHand);
    if (m_showSeconds)
        drawHand(painter, 6.0 * m_time.second(), 88, 2.5, QColor(200, 30, 30));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 20, 60));
    painter.drawEllipse(QPointF(0, 0), 6, 6);
}

} // namespace corvane
