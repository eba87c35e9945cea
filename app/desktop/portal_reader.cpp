// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "portal_reader.h"

#include <QCoreApplication>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QPointer>

namespace vorlane {

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kSettings = QStringLiteral("org.freedesktop.portal.Settings");

// The two keys that can ask for high contrast: GNOME's own switch and the appearance key of
// newer portals.
const PortalKey kGnomeSwitch{QStringLiteral("org.gnome.desktop.a11y.interface"),
                             QStringLiteral("high-contrast")};
const PortalKey kAppearance{QStringLiteral("org.freedesktop.appearance"),
                            QStringLiteral("contrast")};

// Read wraps the value in a variant inside the reply's own; SettingChanged in one.
QVariant unwrapped(QVariant value) {
    while (value.metaType() == QMetaType::fromType<QDBusVariant>()) {
        value = value.value<QDBusVariant>().variant();
    }
    return value;
}

// GNOME's switch is a boolean; the appearance key a number, 1 for higher contrast.
std::optional<bool> asksHigh(const QVariant& value) {
    if (value.metaType() == QMetaType::fromType<bool>()) {
        return value.toBool();
    }
    if (value.metaType() == QMetaType::fromType<uint>()) {
        return value.toUInt() == 1;
    }
    return std::nullopt;
}

}  // namespace

PortalReader& PortalReader::instance() {
    static QPointer<PortalReader> one;
    if (one == nullptr) {
        one = new PortalReader(QCoreApplication::instance());
    }
    return *one;
}

bool PortalReader::high() const {
    return gnome_.high.value_or(false) || appearance_.high.value_or(false);
}

void PortalReader::settingChanged(const QDBusMessage& message) {
    const QVariantList arguments = message.arguments();
    if (arguments.size() != 3) {
        return;
    }
    for (const PortalKey* key : {&kGnomeSwitch, &kAppearance}) {
        if (arguments[0].toString() == key->group && arguments[1].toString() == key->name) {
            hear(*key, arguments[2], true);
        }
    }
}

PortalReader::PortalReader(QObject* parent) : QObject(parent) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return;
    }
    // Followed before it is read, so that no change falls between the two. From any sender:
    // naming the portal would have Qt ask the bus for its owner and wait for the answer; only
    // the portal sends this signal.
    bus.connect(QString(), kPath, kSettings, QStringLiteral("SettingChanged"), this,
                SLOT(settingChanged(QDBusMessage)));
    read(bus, kGnomeSwitch);
    read(bus, kAppearance);
}

void PortalReader::read(QDBusConnection& bus, const PortalKey& key) {
    QDBusMessage message =
        QDBusMessage::createMethodCall(kService, kPath, kSettings, QStringLiteral("Read"));
    message << key.group << key.name;
    // A portal started on demand takes a while to answer: nothing waits for it.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(message), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, &key](QDBusPendingCallWatcher* answer) {
                const QDBusPendingReply<QDBusVariant> reply = *answer;
                if (!reply.isError()) {
                    hear(key, reply.value().variant(), false);
                }
                answer->deleteLater();
            });
}

void PortalReader::hear(const PortalKey& key, const QVariant& value, bool change) {
    Heard& heard = &key == &kGnomeSwitch ? gnome_ : appearance_;
    if (heard.changed && !change) {
        return;
    }
    const bool before = high();
    heard.high = asksHigh(unwrapped(value));
    heard.changed = heard.changed || change;
    if (high() != before) {
        emit changed(high());
    }
}

}  // namespace vorlane
