// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "problem.h"

#include <cmath>
#include <stdexcept>

#include "nearest.h"
#include "recipes.h"
#include "spoken.h"

namespace vorlane {

namespace {

std::size_t typeBit(std::int16_t type) {
    return static_cast<std::size_t>(type - 1);
}

// Products are formed left to right as written; for the pyramids the game invents the
// largest, VO·4·OK·OK, is 2935296, far inside 32 bits.
std::int32_t valueOf(Quantity quantity, const Pyramid& p) {
    switch (quantity) {
        case Quantity::Height:
            return p.VO;
        case Quantity::Inradius:
            return p.OK;
        case Quantity::Apothem:
            return p.VK;
        case Quantity::BaseEdge:
            return p.OK * 2;
        case Quantity::BasePerimeter:
            return p.OK * 8;
        case Quantity::BaseArea:
            return p.OK * 4 * p.OK;
        case Quantity::LateralSurface:
            return p.VK * 4 * p.OK;
        case Quantity::TotalSurface:
            return p.VK * 4 * p.OK + p.OK * 4 * p.OK;
        case Quantity::Volume:
            return nearest(static_cast<double>(p.VO * 4 * p.OK * p.OK) / 3.0);
        case Quantity::LateralEdge:
            return nearest(std::sqrt(std::pow(p.VK, 2.0) + std::pow(p.OK, 2.0)));
        case Quantity::LateralFromTotal:
            return nearest(valueOf(Quantity::TotalSurface, p) - std::pow(p.OK, 2.0) * 4.0);
        case Quantity::None:
            break;
    }
    throw std::logic_error("no value for a missing quantity");
}

}  // namespace

std::string digits(std::int32_t value) {
    return std::to_string(value);
}

Problem problemFor(const Pyramid& pyramid, std::int16_t type) {
    if (type < 1 || type > kProblemTypes) {
        throw std::out_of_range("a problem type runs from 1 to 21");
    }
    const Recipe& recipe = kRecipes[static_cast<std::size_t>(type - 1)];

    Problem problem;
    problem.measureCaptions = {digits(pyramid.VO), digits(pyramid.OK), digits(pyramid.VK)};
    problem.typeCaption = digits(type);
    problem.figureLetters = {"h", "r", "a"};
    for (std::size_t i = 0; i < kMeasures; ++i) {
        problem.measureShown[i] = (recipe.shown & (1U << i)) != 0;
        if (problem.measureShown[i]) {
            problem.figureLetters[i] = problem.measureCaptions[i];
        }
    }
    problem.correctAnswer = valueOf(recipe.answer, pyramid);
    problem.titleColour = recipe.colour;
    problem.title = recipe.title;
    if (recipe.extra != Quantity::None) {
        problem.sentence = recipe.sentence;
        problem.extraDigits = digits(valueOf(recipe.extra, pyramid));
    }
    problem.spoken = spokenProblem(problem, recipe.extra);
    return problem;
}

Problem poseProblem(WindowState& state, RandomSource& random, const ProblemChoice& choice) {
    const Pyramid pyramid = inventPyramid(state, random);
    // A type left out is drawn again, as the next problem's would be, so that every type allowed
    // gives the very draws of a game without a choice. The draws reach every type soon; should
    // they not, the next type allowed stands in.
    constexpr int kDraws = 1000;
    drawProblemType(state, random);
    for (int draw = 1; draw < kDraws && !choice.test(typeBit(state.problemType)); ++draw) {
        drawProblemType(state, random);
    }
    for (int next = 0; next < kProblemTypes && !choice.test(typeBit(state.problemType)); ++next) {
        state.problemType = static_cast<std::int16_t>(state.problemType % kProblemTypes + 1);
    }
    Problem problem = problemFor(pyramid, state.problemType);
    problem.familyCaption = digits(state.tripleFamily);
    state.correctAnswer = problem.correctAnswer;
    return problem;
}

}  // namespace vorlane
