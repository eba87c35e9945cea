// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphical_desktop.h"

namespace vorlane {

// Windows always has its desktop, and Qt's one platform for it.
bool graphicalDesktopAtHand() {
    return true;
}

const char* preferredPlatform() {
    return nullptr;
}

}  // namespace vorlane
