// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop_voice.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QLibrary>

#include <cstdio>

#include "speech_module.h"

namespace vorlane {

namespace {

// Where a screen reader, as it starts, tells every program of the desktop that it runs.
const QString kBusService = QStringLiteral("org.a11y.Bus");
const QString kBusPath = QStringLiteral("/org/a11y/bus");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString kStatus = QStringLiteral("org.a11y.Status");
const QString kScreenReader = QStringLiteral("ScreenReaderEnabled");

// The module beside the program in the build tree, else where the package puts it.
Voice* loadSpeechModule() {
    QString failure;
    const QString own = QCoreApplication::applicationDirPath();
    for (const QString& folder : {own, own + QStringLiteral("/../" VORLANE_MODULE_DIR)}) {
        QLibrary library(folder + QLatin1Char('/') + QLatin1String(kSpeechModule));
        if (auto make = reinterpret_cast<MakeVoice>(library.resolve(kMakeVoice))) {
            return make();
        }
        failure = library.errorString();
    }
    std::fprintf(stderr, "vorlane: la voce non c'è (%s); si gioca in silenzio.\n",
                 qPrintable(failure));
    return nullptr;
}

}  // namespace

DesktopVoice::DesktopVoice() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        heard(false);
        return;
    }
    bus.connect(kBusService, kBusPath, kProperties, QStringLiteral("PropertiesChanged"), this,
                SLOT(statusChanged(QString, QVariantMap, QStringList)));
    // Asked without waiting: until the answer comes, the voice keeps its words.
    QDBusMessage get =
        QDBusMessage::createMethodCall(kBusService, kBusPath, kProperties, QStringLiteral("Get"));
    get << kStatus << kScreenReader;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(get), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* answer) {
                const QDBusPendingReply<QDBusVariant> reply = *answer;
                answer->deleteLater();
                // A desktop without the accessibility bus runs no screen reader.
                if (!known_) {
                    heard(reply.isValid() && reply.value().variant().toBool());
                }
            });
}

void DesktopVoice::say(const QString& text) {
    kept_ = text;
    if (known_ && !screenReader_) {
        speak();
    }
}

void DesktopVoice::statusChanged(const QString& interface, const QVariantMap& changed,
                                 const QStringList& /*invalidated*/) {
    if (interface == kStatus && changed.contains(kScreenReader)) {
        heard(changed.value(kScreenReader).toBool());
    }
}

void DesktopVoice::heard(bool screenReader) {
    known_ = true;
    screenReader_ = screenReader;
    if (screenReader_ && !told_) {
        told_ = true;
        std::fputs(
            "vorlane: è attivo un lettore di schermo; la voce del gioco tace per non "
            "parlargli sopra.\n",
            stderr);
    }
    if (!screenReader_ && !kept_.isEmpty()) {
        speak();
    }
}

void DesktopVoice::speak() {
    if (!loaded_) {
        loaded_ = true;
        voice_.reset(loadSpeechModule());
    }
    if (voice_) {
        voice_->say(kept_);
    }
    kept_.clear();
}

}  // namespace vorlane
