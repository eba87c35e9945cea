// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <string>

#include "colour.h"
#include "pyramid.h"
#include "random_source.h"
#include "window_state.h"

namespace vorlane {

// The three measures in the order of their labels: lblNum1, lblNum2, lblipo, and of their
// figure letters on the triangle: Label20 "h", Label21 "r", Label22 "a".
enum class Measure : std::uint8_t { VO, OK, VK };
inline constexpr std::size_t kMeasures = 3;

// Everything one problem puts on the window.
struct Problem {
    std::string familyCaption;                           // Label9
    std::array<std::string, kMeasures> measureCaptions;  // the measures as digits
    std::string typeCaption;                             // Label12
    std::array<bool, kMeasures> measureShown{};          // a hidden measure hides its "cm"
    Rgb titleColour;
    std::string title;                                 // Label5: what is asked
    std::string sentence;                              // Label10, empty when no extra datum
    std::string extraDigits;                           // Label11, empty when no extra datum
    std::array<std::string, kMeasures> figureLetters;  // a letter, or the measure on show
    std::int32_t correctAnswer = 0;
    std::string spoken;  // the answer box's description: what a screen reader says of it
};

inline constexpr std::int16_t kProblemTypes = 21;

// The problem types a class drills: bit t - 1 stands for type t. All 21 unless a teacher chose.
using ProblemChoice = std::bitset<kProblemTypes>;
inline ProblemChoice allProblems() {
    return ProblemChoice{}.set();
}

// What problem type 1 to 21 asks about this pyramid. Pure: the same input, the same problem.
Problem problemFor(const Pyramid& pyramid, std::int16_t type);

// A new problem: invents the pyramid, draws its type among those chosen and stores its answer in
// correctAnswer.
Problem poseProblem(WindowState& state, RandomSource& random,
                    const ProblemChoice& choice = allProblems());

// A whole number as the labels show it: bare decimal digits.
std::string digits(std::int32_t value);

}  // namespace vorlane
