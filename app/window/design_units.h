// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>

#include "colour.h"
#include "controls.h"

namespace vorlane {

// Twips to device-independent pixels, and points to pixels: the window has its design size
// whatever the screen's dots per inch, and Qt's scaling does the rest.
int pixels(ui::Twips twips);
QFont tableFont(const ui::FontSpec& spec);
QColor qtColour(Rgb rgb);

}  // namespace vorlane
