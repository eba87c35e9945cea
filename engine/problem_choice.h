// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

#include "problem.h"

namespace vorlane {

// A teacher's list as written, "9,16-18": types and ranges between commas, blanks allowed
// around each. `choice` holds it when it reads; otherwise `fault` says, in Italian, what is wrong
// with it, and `choice` holds all 21.
struct ChoiceReading {
    ProblemChoice choice = allProblems();
    std::string fault;
};
ChoiceReading readProblemChoice(std::string_view list);

}  // namespace vorlane
