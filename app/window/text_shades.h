// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "colour.h"

class QWidget;

namespace vorlane {

// A text keeps the colour the design gives it, so that the window can show every text again in
// the other shades when the desktop's wish for high contrast changes while the game runs.

// Gives the text its design colour; showShade() shows it.
void setDesignColour(QWidget& text, Rgb design);
// Shows the text in its design colour or, where the desktop asks for high contrast, in the
// darker shade of it. A text without a design colour keeps the desktop's.
void showShade(QWidget& text, bool highContrast);
// The same for every text of the form.
void showShades(QWidget& form, bool highContrast);

}  // namespace vorlane
