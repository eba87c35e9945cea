// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pyramid.h"

#include <array>
#include <stdexcept>

#include "nearest.h"

namespace vorlane {

namespace {

enum class Parameter {
    FromSize,       // m = 2n + 1 gives (m, (m² − 1)/2, (m² + 1)/2)
    DrawnFrom3,     // reseed from tripleParam, then k from 3 to 7
    DrawnFrom4,     // reseed from tripleParam, then k from 4 to 8
    DrawnNeverOne,  // no reseed; k from 1 to 5 with 1 turned into 3
};

struct Family {
    Parameter parameter;
    std::int16_t multiple;  // every side of the base triple is multiplied by it
};

// Families 1 to 8. The k-triple is (2k, k² − 1, k² + 1); families 4 to 6 never take k = 1,
// which would give OK = 0.
constexpr std::array<Family, 8> kFamilies = {{
    {Parameter::FromSize, 1},
    {Parameter::DrawnFrom3, 1},
    {Parameter::DrawnFrom4, 1},
    {Parameter::DrawnNeverOne, 2},
    {Parameter::DrawnNeverOne, 3},
    {Parameter::DrawnNeverOne, 4},
    {Parameter::FromSize, 2},
    {Parameter::DrawnFrom3, 1},
}};

const Family& familyOf(std::int16_t family) {
    if (family < 1 || family > static_cast<std::int16_t>(kFamilies.size())) {
        throw std::out_of_range("a triple family runs from 1 to 8");
    }
    return kFamilies[static_cast<std::size_t>(family - 1)];
}

// The halving is a division in double rounded back; exact, since m is odd.
Pyramid oddLegTriple(std::int32_t n, std::int32_t multiple) {
    const std::int32_t m = 2 * n + 1;
    const std::int32_t ok = nearest((m * m - 1) / 2.0);
    const std::int32_t vk = nearest((m * m + 1) / 2.0);
    return {m * multiple, ok * multiple, vk * multiple};
}

// Sixteen-bit arithmetic on k, as the variable that holds it; every value stays below 170.
Pyramid evenLegTriple(std::int16_t k, std::int16_t multiple) {
    const auto vo = static_cast<std::int16_t>(2 * k);
    const auto ok = static_cast<std::int16_t>(k * k - 1);
    const auto vk = static_cast<std::int16_t>(k * k + 1);
    return {static_cast<std::int16_t>(vo * multiple), static_cast<std::int16_t>(ok * multiple),
            static_cast<std::int16_t>(vk * multiple)};
}

std::int16_t drawParameter(Parameter parameter, WindowState& state, RandomSource& random) {
    switch (parameter) {
        case Parameter::DrawnFrom3:
            random.reseedWith(state.tripleParam);
            return static_cast<std::int16_t>(drawWhole(random, 5, 3));
        case Parameter::DrawnFrom4:
            random.reseedWith(state.tripleParam);
            return static_cast<std::int16_t>(drawWhole(random, 5, 4));
        case Parameter::DrawnNeverOne: {
            const auto k = static_cast<std::int16_t>(drawWhole(random, 5, 1));
            return k == 1 ? std::int16_t{3} : k;
        }
        case Parameter::FromSize:
            break;
    }
    return state.tripleParam;  // families 1 and 7 draw no k and keep the last one
}

// The triple that a family builds: from the size n for families 1 and 7, from the parameter k
// for the others.
Pyramid familyTriple(std::int16_t family, std::int32_t n, std::int16_t k) {
    const Family& chosen = familyOf(family);
    if (chosen.parameter == Parameter::FromSize) {
        return oddLegTriple(n, chosen.multiple);
    }
    return evenLegTriple(k, chosen.multiple);
}

}  // namespace

Pyramid inventPyramid(WindowState& state, RandomSource& random) {
    random.reseedFromClock();

    std::int32_t n = 0;
    do {
        n = drawWhole(random, 7, 0);
    } while (n < 3);

    random.reseedWith(state.tripleFamily);
    state.tripleFamily = static_cast<std::int16_t>(drawWhole(random, 8, 1));

    state.tripleParam = drawParameter(familyOf(state.tripleFamily).parameter, state, random);
    return familyTriple(state.tripleFamily, n, state.tripleParam);
}

void drawProblemType(WindowState& state, RandomSource& random) {
    random.reseedWith(state.problemType);
    state.problemType = static_cast<std::int16_t>(drawWhole(random, 21, 1));
}

}  // namespace vorlane
