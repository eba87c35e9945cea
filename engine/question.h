// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace vorlane {

// The title of the asked quantity, as the window shows it, asked the way a teacher asks it
// aloud: "Altezza VO" becomes "Quanto misura l'altezza VO?". A title is a label, not a sentence,
// and a listener who hears only a noun takes it for a fact. The unit a title names and its call
// for rounding stay in the question; the figure's points and the units keep the title's
// spelling, for the ear to turn into words.
std::string questionFor(std::string_view title);

}  // namespace vorlane
