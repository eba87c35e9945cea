// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "colour.h"

namespace vorlane {

// The quantities a problem asks for or gives, each with its own arithmetic.
enum class Quantity : std::uint8_t {
    None,
    Height,            // VO
    Inradius,          // OK
    Apothem,           // VK
    BaseEdge,          // OK·2
    BasePerimeter,     // OK·8
    BaseArea,          // OK·4·OK
    LateralSurface,    // VK·4·OK
    TotalSurface,      // VK·4·OK + OK·4·OK
    Volume,            // nearest(VO·4·OK·OK / 3.0)
    LateralEdge,       // nearest(√(VK^2.0 + OK^2.0))
    LateralFromTotal,  // nearest(total − OK^2.0·4.0)
};

// Which measures stay on show, as bits: VO 1, OK 2, VK 4.
enum Shown : std::uint8_t { kShowVO = 1, kShowOK = 2, kShowVK = 4 };

struct Recipe {
    std::string_view title;  // Label5
    Rgb colour;
    std::uint8_t shown;
    std::string_view sentence;  // Label10; its blanks at the end are part of it
    Quantity extra;
    Quantity answer;
};

// Problem types 1 to 21, in order.
extern const std::array<Recipe, 21> kRecipes;

}  // namespace vorlane
