// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

// Key presses on a simulated answer box: the box takes at most six characters, the key filter
// decides what reaches it, Enter judges what it holds. Input: the expected answer (4 bytes)
// and the two counters (2 bytes each, sign bit dropped), then 16-bit character codes, each
// little-endian and signed like the codes the window hands to the filter.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "answer.h"
#include "fuzz_input.h"
#include "verdict_check.h"

using vorlane::kBackspace;
using vorlane::kEnter;
using vorlane::KeyAction;
using vorlane::fuzz::require;

namespace {

constexpr std::size_t kBoxLength = 6;

bool isDigit(std::int16_t code) {
    return code >= '0' && code <= '9';
}

// The box as a pupil sees it, edited at its end.
void press(std::string& box, std::int16_t code, KeyAction action) {
    require((action == KeyAction::LetThrough) == (isDigit(code) || code == kBackspace));
    require((action == KeyAction::Judge) == (code == kEnter));
    if (action != KeyAction::LetThrough) {
        return;
    }
    if (code == kBackspace) {
        if (!box.empty()) {
            box.pop_back();
        }
    } else if (box.size() < kBoxLength) {
        box += static_cast<char>(code);
    }
}

std::int32_t valueOfDigits(const std::string& box) {
    std::int32_t value = 0;
    for (const char c : box) {
        value = value * 10 + (c - '0');
    }
    return value;
}

void enter(vorlane::WindowState& state, const std::string& box) {
    const std::int32_t value = valueOfDigits(box);
    const std::optional<std::int32_t> typed = vorlane::typedAnswer(box);
    require(typed.has_value() && *typed == value);
    const vorlane::WindowState before = state;
    const vorlane::Verdict verdict = vorlane::judge(state, box);
    vorlane::fuzz::requireCounted(before, state, verdict, value == before.correctAnswer);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vorlane::fuzz::FuzzInput input(data, size);
    vorlane::WindowState state = vorlane::fuzz::gameFrom(input);

    std::string box;
    while (!input.empty()) {
        const std::int16_t code = input.int16();
        const KeyAction action = vorlane::answerKey(code);
        press(box, code, action);
        require(box.size() <= kBoxLength);
        require(std::all_of(box.begin(), box.end(), [](char c) { return c >= '0' && c <= '9'; }));
        if (action == KeyAction::Judge) {
            enter(state, box);
        }
    }
    return 0;
}
