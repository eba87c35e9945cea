#pragma once

namespace vorlane {

// Whether a desktop seems at hand for the game's window. Qt, finding no display, ends the
// program with a core dump after advice in English, so the game looks first.
bool graphicalDesktopAtHand();

// The Qt platform the game asks for where the one Qt would choose looks foreign on the desktop,
// or nullptr to leave the choice to Qt. A platform the user names is never overruled.
const char* preferredPlatform();

// What the game says, on its error output, when there is none.
inline constexpr const char* kNoDesktopLine =
    "Vorlane ha bisogno di un desktop grafico e qui non ne trova: avvialo da una sessione "
    "grafica.\n";

}  // namespace vorlane
