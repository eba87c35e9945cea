// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>

namespace vorlane {

// The random source the problems are drawn from.
class RandomSource {
  public:
    virtual ~RandomSource() = default;

    // A number uniform in [0, 1); never 1.
    virtual float draw() = 0;
    virtual void reseedFromClock() = 0;
    // Mixes the number into the current state rather than replacing it, so the same number
    // from two different states leads on to different draws.
    virtual void reseedWith(std::int32_t number) = 0;
};

// The system clock's reading in nanoseconds: what a random source reseeds from by default.
std::uint64_t systemNanoseconds();

// A whole number uniform over first .. first + count - 1, from one draw.
std::int32_t drawWhole(RandomSource& random, std::int32_t count, std::int32_t first);

// A 64-bit state stepped and scrambled by splitmix64; reseeding from the clock mixes in the
// clock's reading, so two games started in the same second still differ.
class MixingRandom final : public RandomSource {
  public:
    using Clock = std::function<std::uint64_t()>;

    // The clock defaults to the system's in nanoseconds.
    explicit MixingRandom(Clock clock = {});

    float draw() override;
    void reseedFromClock() override;
    void reseedWith(std::int32_t number) override;

  private:
    std::uint64_t next();

    Clock clock_;
    std::uint64_t state_ = 0;
};

}  // namespace vorlane
