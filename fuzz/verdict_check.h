// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <cstdint>
#include <string>

#include "answer.h"
#include "window_state.h"

namespace vorlane::fuzz {

// A broken invariant stops the fuzzer on the spot, with the input that broke it saved.
inline void require(bool holds) {
    if (!holds) {
        __builtin_trap();
    }
}

inline constexpr std::int32_t kCounterLimit = 32767;

// Decimal digits without a sign or a leading zero, the way a score label shows a count.
inline bool bareDigitsOf(const std::string& caption, std::int32_t count) {
    const bool allDigits =
        !caption.empty() &&
        std::all_of(caption.begin(), caption.end(), [](char c) { return c >= '0' && c <= '9'; });
    const bool noLeadingZero = caption.size() == 1 || caption.front() != '0';
    return allDigits && noLeadingZero && std::stol(caption) == count;
}

// What one judged Enter must have done: counted in exactly one counter, which stops at 32767,
// and shown both counters and their total as bare digits.
inline void requireCounted(const WindowState& before, const WindowState& after,
                           const Verdict& verdict, bool right) {
    require(verdict.right == right);
    const auto raised = [](std::int16_t count) {
        return std::min<std::int32_t>(count + 1, kCounterLimit);
    };
    require(after.rightCount == (right ? raised(before.rightCount) : before.rightCount));
    require(after.wrongCount == (right ? before.wrongCount : raised(before.wrongCount)));
    require(after.rightCount >= 0 && after.rightCount <= kCounterLimit);
    require(after.wrongCount >= 0 && after.wrongCount <= kCounterLimit);
    require(after.correctAnswer == before.correctAnswer);

    require(bareDigitsOf(verdict.rightCaption, after.rightCount));
    require(verdict.wrongCaption.has_value() == !right);
    if (verdict.wrongCaption) {
        require(bareDigitsOf(*verdict.wrongCaption, after.wrongCount));
    }
    const std::int32_t total =
        std::min<std::int32_t>(std::int32_t{after.rightCount} + after.wrongCount, kCounterLimit);
    require(bareDigitsOf(verdict.totalCaption, total));

    const Rgb colour = right ? kGreen : kRed;
    require(verdict.colour == colour);
    const std::string message =
        right ? "Esatto.OK!!!" : "Sbagliato!! " + std::to_string(before.correctAnswer);
    require(verdict.message == message);
}

}  // namespace vorlane::fuzz
