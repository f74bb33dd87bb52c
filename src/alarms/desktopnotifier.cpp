#include "alarms/desktopnotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QStringList>
#include <QVariantMap>

namespace corvane {

void DesktopNotifier::notify(const QString &summary, const QString &body) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // app name, replaces id, icon, summary, body, actions, hints, timeout (-1: the server's default)
    call << QStringLiteral("Corvane") << 0u << QStringLiteral("appointment-soon") << summary << body
         << QStringList() << QVariantMap() << -1;
    // Not waited for: a missing service only produces an error reply nobody reads.
    bus.asyncCall(call);
}

} // namespace corvane
