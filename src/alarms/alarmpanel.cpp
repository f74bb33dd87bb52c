#include "alarms/alarmpanel.h"

#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>

namespace corvane {

AlarmPanel::AlarmPanel(QWidget *window) : QLabel(window) {
    setObjectName(QStringLiteral("pnlAlarm"));
    QFont type(QStringLiteral("Sans Serif"));
    type.setStyleHint(QFont::SansSerif);
    type.setPointSize(10);
    type.setBold(true);
    setFont(type);
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    setColor(lime);
    hide();
    window->installEventFilter(this);
}

void AlarmPanel::showAlarm(const QString &caption) {
    setText(caption);
    fitToWindow();
    show();
    raise();
}

void AlarmPanel::flipColor() {
    setColor(color() == lime ? yellow : lime);
}

QColor AlarmPanel::color() const {
    return palette().color(QPalette::Window);
}

void AlarmPanel::setColor(const QColor &color) {
    QPalette colors = palette();
    colors.setColor(QPalette::Window, color);
    setPalette(colors);
}

void AlarmPanel::fitToWindow() {
    QRect area = parentWidget()->rect();
    // The menu bar stays usable above the panel, as it lies outside the client area.
    if (const auto *main = qobject_cast<QMainWindow *>(parentWidget()); main && main->menuWidget())
        area.setTop(main->menuWidget()->geometry().bottom() + 1);
    setGeometry(area);
}

void AlarmPanel::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

bool AlarmPanel::eventFilter(QObject *watched, QEvent *event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize && isVisible())
        fitToWindow();
    return QLabel::eventFilter(watched, event);
}

} // namespace corvane
