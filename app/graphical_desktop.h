#pragma once

namespace vorlane {

// Whether a desktop seems at hand for the game's window. Qt, finding no display, ends the
// program with a core dump after advice in English, so the game looks first.
bool graphicalDesktopAtHand();

// What the game says, on its error output, when there is none.
inline constexpr const char* kNoDesktopLine =
    "Vorlane ha bisogno di un desktop grafico e qui non ne trova: avvialo da una sessione "
    "grafica.\n";

}  // namespace vorlane
