// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

#include "random_source.h"

namespace vorlane {

// Plays back a given sequence of draws, over and over, and records every call, so that a
// test knows exactly what the generator saw and when it reseeded.
class ScriptedRandom final : public RandomSource {
  public:
    enum class Call { Draw, ReseedFromClock, ReseedWith };
    struct Record {
        Call call;
        std::int32_t number;  // the reseed's number, or 0
        bool operator==(const Record&) const = default;
    };

    explicit ScriptedRandom(std::vector<float> draws);

    float draw() override;
    void reseedFromClock() override;
    void reseedWith(std::int32_t number) override;

    [[nodiscard]] const std::vector<Record>& calls() const { return calls_; }
    void setDraws(std::vector<float> draws);

  private:
    std::vector<float> draws_;
    std::size_t nextDraw_ = 0;
    std::vector<Record> calls_;
};

}  // namespace vorlane
