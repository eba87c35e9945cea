// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

#include "recipes.h"

namespace vorlane {

struct Problem;

// What a screen reader says as the answer box takes the focus: the asked quantity as a question,
// then every datum on show with its name, number and unit. It is made from the problem's own
// captions, so the pupil who listens and the one who looks are given the same problem. It is
// written for the ear: a screen reader reads a colon or a bracket aloud, and a speech
// synthesiser says the figure's "OK" as the English word, so the letters stand apart and the
// units are words.
std::string spokenProblem(const Problem& problem, Quantity extra);

// What it says as the focus moves on to the new-problem button: the verdict, with the right
// value after a wrong answer, then the three counts as their labels read.
std::string spokenVerdict(bool right, std::string_view correctAnswer, std::string_view rightCount,
                          std::string_view wrongCount, std::string_view totalCount);

}  // namespace vorlane
