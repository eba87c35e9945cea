// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "window_state.h"

namespace vorlane::fuzz {

// Reads a fuzzer's bytes front to back; past the end every number reads as 0, so that even
// the shortest input is a complete case.
class FuzzInput {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::int32_t int32() { return static_cast<std::int32_t>(little(4)); }
    std::int16_t int16() { return static_cast<std::int16_t>(little(2)); }

    bool empty() const { return at_ >= size_; }

    std::string_view rest() const {
        return empty() ? std::string_view{}
                       : std::string_view(reinterpret_cast<const char*>(data_ + at_), size_ - at_);
    }

  private:
    std::uint32_t little(std::size_t bytes) {
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < bytes; ++i, ++at_) {
            const std::uint32_t byte = at_ < size_ ? data_[at_] : 0U;
            value |= byte << (8 * i);
        }
        return value;
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// Every input opens with the game it is played in: the expected answer (4 bytes), then the
// right and wrong counters (2 bytes each, the sign bit dropped so that they start valid).
inline WindowState gameFrom(FuzzInput& input) {
    WindowState state;
    state.correctAnswer = input.int32();
    state.rightCount = static_cast<std::int16_t>(input.int16() & 0x7FFF);
    state.wrongCount = static_cast<std::int16_t>(input.int16() & 0x7FFF);
    return state;
}

}  // namespace vorlane::fuzz
