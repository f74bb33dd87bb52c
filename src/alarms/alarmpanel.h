#pragma once

#include <QColor>
#include <QLabel>

#include <array>

class QAction;

namespace corvane {

// The flashing panel that covers the main window while an alarm is up; a click on it clears the alarm.
class AlarmPanel : public QLabel {
    Q_OBJECT
public:
    static inline const QColor lime{0, 255, 0};
    static inline const QColor yellow{255, 255, 0};

    explicit AlarmPanel(QWidget *window);

    // Shows the caption over the whole client area of the window, in front of everything, and takes the
    // keyboard for the snooze keys.
    void showAlarm(const QString &caption);
    // Lime becomes yellow, anything else lime.
    void flipColor();
    QColor color() const;
    // "Snooze 5 minutes", "Snooze 15 minutes", "Snooze 1 hour": the context menu, also on the keys 1 to 3.
    const std::array<QAction *, 3> &snoozeActions() const { return m_snooze; }

signals:
    void clicked();
    void snoozeRequested(int minutes);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setColor(const QColor &color);
    void fitToWindow();

    std::array<QAction *, 3> m_snooze;
};

} // namespace corvane
