#pragma once

#include <memory>

#include "platform.h"

namespace vorlane {

// The game's own voice on this desktop. It stays silent while a screen reader runs, so that the
// pupil never hears two voices at once, and the speech library is loaded only on its first
// word: a game without the voice never loads it.
std::unique_ptr<Voice> desktopVoice();

}  // namespace vorlane
