// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

#include "voice.h"

namespace vorlane {

// The game's own voice through Windows' speech, in its Italian voice, a little slower than the
// normal rate. It stays silent while a screen reader runs; without an Italian voice it says so in
// one line on the standard error and the game plays silently.
std::unique_ptr<Voice> sapiVoice();

}  // namespace vorlane
