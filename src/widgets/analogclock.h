#pragma once

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

    QSize sizeHint() const override { return {80, 80}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTime m_time = QTime(0, 0);
    bool m_showSeconds = false;
};

} // namespace corvane
