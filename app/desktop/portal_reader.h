// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QString>
#include <QVariant>

#include <optional>

namespace vorlane {

// One key of the settings portal, by its namespace and name.
struct PortalKey {
    QString group;
    QString name;
};

// The program's one reader of the settings portal's wish for high contrast: GNOME's own switch
// and the appearance key of newer portals, asked without waiting and followed as they change.
class PortalReader : public QObject {
    Q_OBJECT

  public:
    static PortalReader& instance();

    // Either key asking for it is enough: a portal that offers both gives the same answer.
    [[nodiscard]] bool high() const;

  signals:
    void changed(bool);

  public slots:
    // Qt's D-Bus calls only a public slot. The whole message: the namespace, the key, the value.
    void settingChanged(const QDBusMessage& message);

  private:
    // What one key says: nothing until the portal has answered, or where it lacks the key.
    struct Heard {
        std::optional<bool> high;
        bool changed = false;  // told by a change, which an older answer must not undo
    };

    explicit PortalReader(QObject* parent);
    void read(QDBusConnection& bus, const PortalKey& key);
    void hear(const PortalKey& key, const QVariant& value, bool change);

    Heard gnome_;
    Heard appearance_;
};

}  // namespace vorlane
