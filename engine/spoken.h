#pragma once

#include <string>
#include <string_view>

#include "recipes.h"

namespace vorlane {

struct Problem;

// What a screen reader says as the answer box takes the focus: the title of the asked quantity
// as the window shows it, then every datum on show with its name, number and unit. It is made
// from the problem's own captions, so the pupil who listens and the one who looks are given
// the same problem.
std::string spokenProblem(const Problem& problem, Quantity extra);

// What it says as the focus moves on to the new-problem button: the verdict as the window
// shows it, then the three counts as their labels read.
std::string spokenVerdict(std::string_view message, std::string_view right, std::string_view wrong,
                          std::string_view total);

}  // namespace vorlane
