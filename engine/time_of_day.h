// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <compare>
#include <cstdint>
#include <string>

namespace vorlane {

// A time of day to the second, without a date.
struct TimeOfDay {
    std::int32_t secondsSinceMidnight = 0;

    static constexpr TimeOfDay at(int hours, int minutes, int seconds) {
        return TimeOfDay{(hours * 60 + minutes) * 60 + seconds};
    }
    // NOLINTNEXTLINE(modernize-use-nullptr): clang-tidy 14 misreads a defaulted <=>
    auto operator<=>(const TimeOfDay&) const = default;
};

// The time as the clock shows it: "08:05:09".
std::string timeText(TimeOfDay time);

}  // namespace vorlane
