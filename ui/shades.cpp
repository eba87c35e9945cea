// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shades.h"

#include <algorithm>
#include <iterator>

#include "controls.h"

namespace vorlane::ui {

namespace {

struct Shade {
    Rgb design;
    Rgb dark;
};

constexpr Rgb kShadeOfGreen{0x00, 0x64, 0x00};

// The blue, the black and the answer box's yellow on blue read well already.
constexpr Shade kShades[] = {
    {kGreen, kShadeOfGreen},
    {kDarkGreen, kShadeOfGreen},
    {kMagenta, {0x8B, 0x00, 0x8B}},
    {kRed, {0xB0, 0x00, 0x00}},
};

}  // namespace

Rgb shownColour(Rgb design, bool highContrast) {
    if (!highContrast) {
        return design;
    }
    const auto* shade = std::find_if(std::begin(kShades), std::end(kShades),
                                     [design](const Shade& s) { return s.design == design; });
    return shade == std::end(kShades) ? design : shade->dark;
}

}  // namespace vorlane::ui
