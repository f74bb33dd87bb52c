#pragma once

#include <QColor>
#include <QLabel>

namespace corvane {

// The flashing panel that covers the main window while an alarm is up; a click on it clears the alarm.
class AlarmPanel : public QLabel {
    Q_OBJECT
public:
    static inline const QColor lime{0, 255, 0};
    static inline const QColor yellow{255, 255, 0};

    explicit AlarmPanel(QWidget *window);

    // Shows the caption over the whole client area of the window, in front of everything.
    void showAlarm(const QString &caption);
    // Lime becomes yellow, anything else lime.
    void flipColor();
    QColor color() const;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setColor(const QColor &color);
    void fitToWindow();
};

} // namespace corvane
