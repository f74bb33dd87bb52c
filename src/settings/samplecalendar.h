#pragma once

#include <QCalendarWidget>

class QLabel;

namespace corvane {

// A fixed month that paints its own days in a chosen pair of colours: the sample of the colour chooser.
// Days of the neighbouring months keep their normal look; the month cannot be changed.
class SampleCalendar : public QCalendarWidget {
    Q_OBJECT
public:
    SampleCalendar(int year, int month, QWidget *parent = nullptr);

    void setDayColors(const QColor &text, const QColor &background);

protected:
    void paintCell(QPainter *painter, const QRect &rect, QDate date) const override;

private:
    QColor m_text = Qt::black;
    QColor m_background = Qt::white;
};

} // namespace corvane
