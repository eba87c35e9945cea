#include "desktop_contrast.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>

namespace vorlane {

namespace {

// The portal answers at once when it runs; a desktop that starts it on the first call takes a
// moment, and the window waits no longer than this before it keeps the design's colours.
constexpr int kPortalWaitMs = 1000;

}  // namespace

bool desktopAsksHighContrast() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return false;
    }
    QDBusMessage read = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.portal.Desktop"),
        QStringLiteral("/org/freedesktop/portal/desktop"),
        QStringLiteral("org.freedesktop.portal.Settings"), QStringLiteral("Read"));
    read << QStringLiteral("org.gnome.desktop.a11y.interface") << QStringLiteral("high-contrast");
    const QDBusMessage reply = bus.call(read, QDBus::Block, kPortalWaitMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return false;
    }
    // The portal wraps the setting in a variant inside the reply's own.
    QVariant value = reply.arguments().constFirst();
    while (value.metaType() == QMetaType::fromType<QDBusVariant>()) {
        value = value.value<QDBusVariant>().variant();
    }
    return value.metaType() == QMetaType::fromType<bool>() && value.toBool();
}

}  // namespace vorlane
