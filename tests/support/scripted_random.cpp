// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scripted_random.h"

#include <stdexcept>
#include <utility>

namespace vorlane {

ScriptedRandom::ScriptedRandom(std::vector<float> draws) {
    setDraws(std::move(draws));
}

void ScriptedRandom::setDraws(std::vector<float> draws) {
    if (draws.empty()) {
        throw std::invalid_argument("a scripted random source needs at least one draw");
    }
    draws_ = std::move(draws);
    nextDraw_ = 0;
}

float ScriptedRandom::draw() {
    calls_.push_back({Call::Draw, 0});
    const float r = draws_[nextDraw_];
    nextDraw_ = (nextDraw_ + 1) % draws_.size();
    return r;
}

void ScriptedRandom::reseedFromClock() {
    calls_.push_back({Call::ReseedFromClock, 0});
}

void ScriptedRandom::reseedWith(std::int32_t number) {
    calls_.push_back({Call::ReseedWith, number});
}

}  // namespace vorlane
