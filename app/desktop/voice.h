// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <chrono>

namespace vorlane {

// The game's own voice, for the pupil who finds reading hard but runs no screen reader.
class Voice {
  public:
    virtual ~Voice() = default;
    // Starts saying the text at once, cutting off what it was saying: Enter, Enter never
    // leaves a backlog of old problems to listen through.
    virtual void say(const QString& text) = 0;
};

// As the game ends, how long after its last words began the voice may go on with them. The
// last words are the farewell, "Ciao a presto", which espeak-ng's Italian voice says in 1.3 s
// at the child's rate; a fixed bound rather than one reckoned from the text, so that a problem
// still being read when the window is closed some other way is cut off just as soon.
inline constexpr std::chrono::milliseconds kLastWords{2000};

}  // namespace vorlane
