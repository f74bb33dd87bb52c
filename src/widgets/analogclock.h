#pragma once

#include <QColor>
#include <QTime>
#include <QWidget>

namespace corvane {

// A round clock face with hour and minute hands (and a second hand when asked) showing a set time.
class AnalogClock : public QWidget {
    Q_OBJECT
public:
    explicit AnalogClock(QWidget *parent = nullptr);

    QTime time() const { return m_time; }
    void setTime(const QTime &time);
    void setShowSeconds(bool show);
    void setHandColors(const QColor &hour, const QColor &minute);

    QSize sizeHint() const override { return {80, 80}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTime m_time = QTime(0, 0);
    bool m_showSeconds = false;
    QColor m_hourHand = QColor(20, 20, 60);
    QColor m_minuteHand = QColor(20, 20, 60);
};

} // namespace corvane
