#pragma once

#include <vector>

#include "platform.h"

namespace vorlane {

// What a flag word asks of a message box.
struct BoxLayout {
    std::vector<int> buttons;  // the answers of its buttons, left to right
    int icon = 0;              // kCritical, kQuestion, kExclamation, kInformation, or 0
    int defaultAnswer = kOk;   // what Enter picks
};

// Only the button sets the game uses are known: Yes and No, else a lone OK.
inline BoxLayout boxLayout(int flags) {
    BoxLayout layout;
    layout.buttons = (flags & 0xF) == kYesNo ? std::vector<int>{kYes, kNo} : std::vector<int>{kOk};
    layout.icon = flags & 0xF0;
    const auto second = static_cast<std::size_t>((flags & 0xF00) >> 8);
    layout.defaultAnswer = layout.buttons[std::min(second, layout.buttons.size() - 1)];
    return layout;
}

}  // namespace vorlane
