// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "random_source.h"

#include <chrono>
#include <cmath>
#include <utility>

namespace vorlane {

namespace {

constexpr std::uint64_t kGolden = 0x9E3779B97F4A7C15ULL;

// The splitmix64 finaliser: a bijection of 64-bit words that scatters every input bit.
constexpr std::uint64_t scrambled(std::uint64_t z) {
    z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31U);
}

}  // namespace

std::uint64_t systemNanoseconds() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

std::int32_t drawWhole(RandomSource& random, std::int32_t count, std::int32_t first) {
    // The product is formed in double, where it is exact and stays below count.
    const double scaled = static_cast<double>(random.draw()) * count;
    return static_cast<std::int32_t>(std::floor(scaled)) + first;
}

MixingRandom::MixingRandom(Clock clock)
    : clock_(clock ? std::move(clock) : Clock{systemNanoseconds}) {
    reseedFromClock();
}

std::uint64_t MixingRandom::next() {
    state_ += kGolden;
    return scrambled(state_);
}

float MixingRandom::draw() {
    // The top 24 bits fill a float's mantissa exactly, so the largest draw is 1 - 2^-24.
    constexpr float kUnit = 1.0F / 16777216.0F;
    return static_cast<float>(next() >> 40U) * kUnit;
}

void MixingRandom::reseedFromClock() {
    state_ = scrambled(state_ ^ scrambled(clock_()));
}

void MixingRandom::reseedWith(std::int32_t number) {
    // For a fixed number this is a bijection of the state: different states stay different.
    const auto mixed = static_cast<std::uint64_t>(static_cast<std::uint32_t>(number)) + 1U;
    state_ = scrambled(state_ ^ (mixed * kGolden));
}

}  // namespace vorlane
