// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "colour.h"
#include "window_state.h"

namespace vorlane {

// The character codes of the two editing keys the answer box takes.
inline constexpr std::int16_t kBackspace = 8;
inline constexpr std::int16_t kEnter = 13;

// What the answer box does with a character key.
enum class KeyAction { LetThrough, Judge, Cancel };

// Digits and Backspace go in, Enter judges, everything else (letters, signs, the decimal
// point, blanks, the control codes of Ctrl+V and its kin) never reaches the box.
KeyAction answerKey(std::int32_t charCode);

// The number a text reads as: blanks, tabs and line feeds count for nothing; then the longest
// prefix that reads as a number (sign, digits, "." and digits, E and an exponent; or &H hex,
// &O octal digits); 0 when there is none. "." is the separator whatever the locale.
double numberFromText(std::string_view text);

// The typed answer: the number rounded to the nearest whole, ties to even; empty when it is
// not finite or leaves the 32-bit range, so that it can never equal an expected answer.
std::optional<std::int32_t> typedAnswer(std::string_view text);

// What the window shows after an Enter in the answer box.
struct Verdict {
    bool right = false;
    Rgb colour;                               // lblMessage's text colour
    std::string message;                      // lblMessage
    std::string rightCaption;                 // lblScore
    std::optional<std::string> wrongCaption;  // lblScore1: written only on a wrong answer
    std::string totalCaption;                 // lblScore2
    std::string spoken;  // cmdNext's description: what a screen reader says as it takes the focus
};

// Judges the text against correctAnswer and counts it. A counter stops at 32767, and the
// total, formed wide, is shown as 32767 at most: a pupil's marathon never wraps to negative.
Verdict judge(WindowState& state, std::string_view typed);

}  // namespace vorlane
