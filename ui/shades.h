// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "colour.h"

namespace vorlane::ui {

// The colour a text of the design shows in: its own, or, where the desktop asks for high
// contrast, a darker shade of the same hue that reads at 4.5:1 on every background of the window:
// its yellow, the score panel's white and the pyramid's cyan faces.
Rgb shownColour(Rgb design, bool highContrast);

}  // namespace vorlane::ui
