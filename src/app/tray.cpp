#include "app/tray.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QWidget>
#include <QWindowStateChangeEvent>

#include "alarms/desktopnotifier.h"

namespace corvane {

namespace {

// The windows the user sees as the program. Menus and tips close by themselves; the tray's own icon
// window (which bypasses the window manager) must stay; a modal dialog stays too, as hiding it would
// end it as if cancelled.
bool isProgramWindow(const QWidget *window) {
    const Qt::WindowType type = window->windowType();
    return (type == Qt::Window || type == Qt::Dialog) &&
           !window->windowFlags().testFlag(Qt::BypassWindowManagerHint) && !window->isModal();
}

} // namespace

TrayController::TrayController(QWidget *mainWindow, Availability trayAvailable)
    : QObject(mainWindow), m_window(mainWindow), m_trayAvailable(std::move(trayAvailable)),
      m_icon(new QSystemTrayIcon(this)), m_menu(new QMenu(mainWindow)) {
    m_showCalendar = m_menu->addAction(tr("&Show calendar"));
    m_menu->addSeparator();
    m_close = m_menu->addAction(tr("&Close"));

    QIcon icon = mainWindow->windowIcon();
    if (icon.isNull())
        icon = QApplication::windowIcon();
    m_icon->setIcon(icon);
    m_icon->setToolTip(tr("Right click to open"));
    m_icon->setContextMenu(m_menu);
    connect(m_icon, &QSystemTrayIcon::activated, this, &TrayController::iconActivated);

    m_clickTimer.setSingleShot(true);
    m_clickTimer.setInterval(400);
    m_clickTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_clickTimer, &QTimer::timeout, this, &TrayController::clicked);

    m_window->installEventFilter(this);
    m_icon->show();
    // While the window is in the tray, closing a message box must not end the program; closing the
    // main window does (see eventFilter).
    QApplication::setQuitOnLastWindowClosed(false);
}

TrayController::~TrayController() = default;

void TrayController::iconActivated(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
    case QSystemTrayIcon::Trigger:
    case QSystemTrayIcon::MiddleClick:
        m_clickTimer.start();
        break;
    case QSystemTrayIcon::DoubleClick:
        m_clickTimer.stop(); // the click that began it is not reported
        emit doubleClicked();
        break;
    default: // the right button opens the menu
        break;
    }
}

void TrayController::showApplication() {
    for (const QPointer<QWidget> &window : std::as_const(m_hidden)) {
        if (window && window != m_window)
            window->show();
    }
    m_hidden.clear();
    if (m_window->isMinimized())
        m_window->setWindowState(m_restoreState);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void TrayController::hideApplication() {
    if (!m_trayAvailable()) {
        m_window->showMinimized(); // the event filter reports it put away
        return;
    }
    hideWindows();
    emit putAway();
}

void TrayController::startHidden() {
    if (m_trayAvailable())
        return; // the window stays unshown until the icon or an alarm brings it
    m_window->showMinimized();
}

void TrayController::showForAlarm(const QString &text) {
    const bool wasAway = isAway();
    showApplication();
    if (wasAway)
        DesktopNotifier::notify(QApplication::applicationDisplayName(), text);
}

bool TrayController::isAway() const {
    return !m_window->isVisible() || m_window->isMinimized();
}

void TrayController::hideWindows() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window->isVisible() && isProgramWindow(window)) {
            m_hidden.append(window);
            window->hide();
        }
    }
}

bool TrayController::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_window && event->type() == QEvent::Close) {
        // Once the close has gone through, the window is gone from the screen.
        QTimer::singleShot(0, this, [this] {
            if (!m_window->isVisible())
                QCoreApplication::quit();
        });
    }
    if (watched == m_window && event->type() == QEvent::WindowStateChange && m_window->isMinimized()) {
        const auto oldState = static_cast<QWindowStateChangeEvent *>(event)->oldState();
        if (!(oldState & Qt::WindowMinimized)) {
            m_restoreState = oldState;
            if (m_trayAvailable()) {
                // Hiding from inside the state change confuses some window managers: do it right after.
                QTimer::singleShot(0, this, [this] {
                    if (m_window->isMinimized())
                        hideWindows();
                });
            }
            emit putAway();
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace corvane
