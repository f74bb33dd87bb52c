#include "alarms/alarmpanel.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
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
    setFocusPolicy(Qt::StrongFocus);
    const std::pair<const char *, int> snoozes[] = {
        {"Snooze 5 minutes", 5}, {"Snooze 15 minutes", 15}, {"Snooze 1 hour", 60}};
    for (int i = 0; i < 3; ++i) {
        const auto [text, minutes] = snoozes[i];
        m_snooze[i] = new QAction(QLatin1String(text), this);
        m_snooze[i]->setShortcut(QKeySequence(Qt::Key_1 + i));
        // The keys are read by the panel itself, so they work only while it has the focus.
        m_snooze[i]->setShortcutContext(Qt::WidgetShortcut);
        connect(m_snooze[i], &QAction::triggered, this, [this, minutes] { emit snoozeRequested(minutes); });
        addAction(m_snooze[i]);
    }
    setContextMenuPolicy(Qt::ActionsContextMenu);
    hide();
    window->installEventFilter(this);
}

void AlarmPanel::showAlarm(const QString &caption) {
    setText(caption);
    fitToWindow();
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
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

void AlarmPanel::keyPressEvent(QKeyEvent *event) {
    for (QAction *snooze : m_snooze) {
        if (event->keyCombination() == snooze->shortcut()[0]) {
            snooze->trigger();
            return;
        }
    }
    QLabel::keyPressEvent(event);
}

bool AlarmPanel::eventFilter(QObject *watched, QEvent *event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize && isVisible())
        fitToWindow();
    return QLabel::eventFilter(watched, event);
}

} // namespace corvane
