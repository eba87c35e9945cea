// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <memory>

#include "voice.h"

namespace vorlane {

// The game's own voice on this desktop. It stays silent while a screen reader runs, so that the
// pupil never hears two voices at once, and the speech library is loaded only on its first
// word: a game without the voice never loads it.
class DesktopVoice final : public QObject, public Voice {
    Q_OBJECT

    void heard(bool screenReader);
    void speak();

    bool known_ = false;
    bool screenReader_ = false;
    bool told_ = false;
    bool loaded_ = false;
    // The last words asked for, until the bus has said whether a screen reader runs.
    QString kept_;
    std::unique_ptr<Voice> voice_;

  public:
    DesktopVoice();
    void say(const QString& text) override;

  private slots:
    void statusChanged(const QString& interface, const QVariantMap& changed,
                       const QStringList& invalidated);
};

}  // namespace vorlane
