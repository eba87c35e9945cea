// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

namespace vorlane {

// Whether a desktop seems at hand for the game's window. Qt, finding no display, ends the
// program with a core dump after advice in English, so the game looks first.
bool graphicalDesktopAtHand();

// The Qt platform the game asks for where the one Qt would choose looks foreign on the desktop,
// or nullptr to leave the choice to Qt. A platform the user names is never overruled.
const char* preferredPlatform();

// The command line Qt is given: the program's name, the preferred platform if any, then the
// user's arguments, so that a -platform of the user's, coming later, still wins. A program
// started with no arguments at all, as exec allows, is named "vorlane".
std::vector<std::string> qtCommandLine(const std::vector<std::string>& given,
                                       const char* preferred);

// What the game says, on its error output, when there is none.
inline constexpr const char* kNoDesktopLine =
    "Vorlane ha bisogno di un desktop grafico e qui non ne trova: avvialo da una sessione "
    "grafica.\n";

}  // namespace vorlane
