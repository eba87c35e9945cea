// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "random_source.h"
#include "window_state.h"

namespace vorlane {

// The three whole measures of a regular square pyramid: VO the height, OK the inradius of the
// base (half the base edge), VK the apothem. VO and OK are the legs of the right triangle VOK.
struct Pyramid {
    std::int32_t VO = 0;
    std::int32_t OK = 0;
    std::int32_t VK = 0;
    bool operator==(const Pyramid&) const = default;
};

// Invents the pyramid of a new problem: reseeds from the clock, draws the size n, reseeds
// from the previous family and draws tripleFamily, then lets that family build the triple
// (drawing tripleParam where the family has a parameter).
Pyramid inventPyramid(WindowState& state, RandomSource& random);

// Reseeds from the previous type and draws problemType, 1 to 21.
void drawProblemType(WindowState& state, RandomSource& random);

}  // namespace vorlane
