// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace vorlane {

// Rounds to the nearest whole number, a tie going to the even neighbour (2.5 gives 2,
// 3.5 gives 4). Empty when the value is not finite or its rounding leaves the 32-bit range.
inline std::optional<std::int32_t> roundedToInt32(double value) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    const double rounded = std::nearbyint(value);
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    if (rounded < lowest || rounded > highest) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(rounded);
}

// The rounding of the measures and answers, whose values always lie far inside the range.
inline std::int32_t nearest(double value) {
    return roundedToInt32(value).value_or(0);
}

}  // namespace vorlane
