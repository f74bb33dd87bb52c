#pragma once

#include <QString>

namespace corvane {

// Shows a message through the desktop's notification service (org.freedesktop.Notifications on the
// session bus). Without a session bus or the service nothing happens: the alarm panel is the real signal.
class DesktopNotifier {
public:
    static void notify(const QString &summary, const QString &body);
};

} // namespace corvane
