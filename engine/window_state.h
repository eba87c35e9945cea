// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "time_of_day.h"

namespace vorlane {

// What the alarm compares the clock with: a time of day, or a text, which never rings.
using AlarmTime = std::variant<std::string, TimeOfDay>;

// The window's variables. They live as long as the window object; a reload of the window
// resets only the three that formLoad() names, so the others seed the next problem.
struct WindowState {
    std::int32_t correctAnswer = 0;
    std::int16_t rightCount = 0;
    std::int16_t wrongCount = 0;
    AlarmTime alarmTime;
    std::int16_t tripleFamily = 0;
    std::int16_t tripleParam = 0;
    std::int16_t problemType = 0;
};

// Every load of the window starts a game: no answers yet, no alarm set.
inline void formLoad(WindowState& state) {
    state.alarmTime = std::string{};
    state.rightCount = 0;
    state.wrongCount = 0;
}

}  // namespace vorlane
