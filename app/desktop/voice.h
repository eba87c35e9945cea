// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace vorlane {

// The game's own voice, for the pupil who finds reading hard but runs no screen reader.
class Voice {
  public:
    virtual ~Voice() = default;
    // Starts saying the text at once, cutting off what it was saying: Enter, Enter never
    // leaves a backlog of old problems to listen through.
    virtual void say(const QString& text) = 0;
};

}  // namespace vorlane
