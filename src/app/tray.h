#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>

#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace corvane {

// The program's place in the system tray: the icon with its menu, and putting the whole program away
// into the tray and bringing it back. Desktops without a tray get a minimised window instead, so the
// program never disappears beyond reach; whether there is a tray is asked each time, as a tray host may
// come and go.
class TrayController : public QObject {
    Q_OBJECT
public:
    using Availability = std::function<bool()>;

    explicit TrayController(QWidget *mainWindow,
                            Availability trayAvailable = &QSystemTrayIcon::isSystemTrayAvailable);
    ~TrayController() override;

    // Brings the program back: restored if minimised, shown if hidden, in front and active.
    void showApplication();
    // Puts the program away: into the tray when there is one, minimised otherwise.
    void hideApplication();
    // The start with AutoStart: only the icon shows (a minimised window without a tray).
    void startHidden();
    // An alarm: brings the window up, and tells the desktop too when the window was away, since a window
    // manager may refuse to put a window in front.
    void showForAlarm(const QString &text);

    QSystemTrayIcon *trayIcon() const { return m_icon; }
    QMenu *popTray() const { return m_menu; }
    QAction *showCalendarAction() const { return m_showCalendar; }
    QAction *closeAction() const { return m_close; }

signals:
    // A click on the icon, reported 400 ms after it unless a double click came first.
    void clicked();
    void doubleClicked();
    // The program went away: into the tray, or minimised.
    void putAway();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void iconActivated(QSystemTrayIcon::ActivationReason reason);
    void hideWindows();
    bool isAway() const;

    QWidget *m_window;
    Availability m_trayAvailable;
    QSystemTrayIcon *m_icon;
    QMenu *m_menu;
    QAction *m_showCalendar;
    QAction *m_close;
    QTimer m_clickTimer;
    QList<QPointer<QWidget>> m_hidden; // the windows put away with the main window
    Qt::WindowStates m_restoreState;
};

} // namespace corvane
