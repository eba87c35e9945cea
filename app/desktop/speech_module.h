// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "voice.h"

// The speech module is a library of its own, loaded at run time, so that only the game with the
// voice loads the speech library. It exports one function, which makes the voice; the voice
// writes one line to the standard error when it cannot speak, and is silent from then on.
extern "C" {
using MakeVoice = vorlane::Voice* (*)();
}

namespace vorlane {
inline constexpr char kMakeVoice[] = "vorlane_make_voice";
inline constexpr char kSpeechModule[] = "vorlane_speech";
}  // namespace vorlane
