// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "design_units.h"

#include <cmath>

#include "design_fonts.h"

namespace vorlane {

int pixels(ui::Twips twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

QFont tableFont(const ui::FontSpec& spec) {
    QFont font(drawingFamily(spec.family));
    font.setPixelSize(static_cast<int>(std::lround(spec.points * 4.0 / 3.0)));
    font.setBold(spec.bold);
    return font;
}

QColor qtColour(Rgb rgb) {
    return {rgb.red, rgb.green, rgb.blue};
}

}  // namespace vorlane
