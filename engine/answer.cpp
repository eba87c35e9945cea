// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "answer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "nearest.h"
#include "problem.h"
#include "spoken.h"

namespace vorlane {

namespace {

constexpr std::int32_t kCounterLimit = std::numeric_limits<std::int16_t>::max();

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool ignoredInNumbers(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

std::string withoutBlanks(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(kept),
                 [](char c) { return !ignoredInNumbers(c); });
    return kept;
}

// The value of the hex or octal digits at the start of the text; no digits read as 0.
double radixValue(std::string_view text, int radix) {
    double value = 0.0;
    for (const char c : text) {
        int digit = radix;
        if (isDigit(c)) {
            digit = c - '0';
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        }
        if (digit >= radix) {
            break;
        }
        value = value * radix + digit;
    }
    return value;
}

// The length of the longest prefix shaped [sign] digits [. digits] [E [sign] digits].
std::size_t decimalPrefix(std::string_view text) {
    std::size_t at = 0;
    const auto digitsFrom = [&text](std::size_t from) {
        std::size_t end = from;
        while (end < text.size() && isDigit(text[end])) {
            ++end;
        }
        return end;
    };
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        ++at;
    }
    const std::size_t mantissaStart = at;
    at = digitsFrom(at);
    if (at < text.size() && text[at] == '.') {
        at = digitsFrom(at + 1);
    }
    const bool mantissaHasDigit =
        std::any_of(text.begin() + static_cast<std::ptrdiff_t>(mantissaStart),
                    text.begin() + static_cast<std::ptrdiff_t>(at), isDigit);
    if (!mantissaHasDigit) {
        return 0;
    }
    if (at < text.size() && (text[at] == 'E' || text[at] == 'e')) {
        std::size_t exponent = at + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) {
            ++exponent;
        }
        const std::size_t exponentEnd = digitsFrom(exponent);
        if (exponentEnd > exponent) {
            at = exponentEnd;
        }
    }
    return at;
}

// Past double's range from_chars gives no value: the power of ten of the leading digit says
// whether the number is too large (infinite) or too small (as good as zero).
double beyondRange(std::string_view number) {
    const std::size_t e = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, e);
    const auto point = static_cast<std::int64_t>(std::min(mantissa.find('.'), mantissa.size()));
    const auto lead = static_cast<std::int64_t>(mantissa.find_first_of("123456789"));
    std::int64_t power = lead < point ? point - lead : point - lead + 1;
    if (e != std::string_view::npos) {
        std::string_view exponentText = number.substr(e + 1);
        const bool negative = exponentText.front() == '-';
        if (negative || exponentText.front() == '+') {
            exponentText.remove_prefix(1);
        }
        constexpr std::int64_t kHuge = std::int64_t{1} << 40;
        std::int64_t exponent = 0;
        const auto read = std::from_chars(exponentText.data(),
                                          exponentText.data() + exponentText.size(), exponent);
        if (read.ec != std::errc{} || exponent > kHuge) {
            exponent = kHuge;
        }
        power += negative ? -exponent : exponent;
    }
    return power > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

double decimalValue(std::string_view text) {
    const std::size_t length = decimalPrefix(text);
    if (length == 0) {
        return 0.0;
    }
    // from_chars takes no "+" and ignores the locale.
    std::string_view number = text.substr(0, length);
    const bool negative = number.front() == '-';
    if (negative || number.front() == '+') {
        number.remove_prefix(1);
    }
    double value = 0.0;
    const auto read = std::from_chars(number.data(), number.data() + number.size(), value);
    if (read.ec == std::errc::result_out_of_range) {
        value = beyondRange(number);
    }
    return negative ? -value : value;
}

std::string counterCaption(std::int32_t count) {
    return digits(std::min(count, kCounterLimit));
}

std::int16_t raised(std::int16_t counter) {
    return counter < kCounterLimit ? static_cast<std::int16_t>(counter + 1) : counter;
}

}  // namespace

KeyAction answerKey(std::int32_t charCode) {
    if (charCode == kBackspace || (charCode >= '0' && charCode <= '9')) {
        return KeyAction::LetThrough;
    }
    if (charCode == kEnter) {
        return KeyAction::Judge;
    }
    return KeyAction::Cancel;
}

double numberFromText(std::string_view text) {
    const std::string kept = withoutBlanks(text);
    const std::string_view number = kept;
    if (number.size() >= 2 && number[0] == '&') {
        if (number[1] == 'H' || number[1] == 'h') {
            return radixValue(number.substr(2), 16);
        }
        if (number[1] == 'O' || number[1] == 'o') {
            return radixValue(number.substr(2), 8);
        }
        return 0.0;
    }
    return decimalValue(number);
}

std::optional<std::int32_t> typedAnswer(std::string_view text) {
    return roundedToInt32(numberFromText(text));
}

Verdict judge(WindowState& state, std::string_view typed) {
    Verdict verdict;
    const std::optional<std::int32_t> answer = typedAnswer(typed);
    verdict.right = answer.has_value() && *answer == state.correctAnswer;
    if (verdict.right) {
        state.rightCount = raised(state.rightCount);
        verdict.colour = kGreen;
        verdict.message = "Esatto.OK!!!";
    } else {
        state.wrongCount = raised(state.wrongCount);
        verdict.colour = kRed;
        verdict.message = "Sbagliato!! " + digits(state.correctAnswer);
        verdict.wrongCaption = counterCaption(state.wrongCount);
    }
    verdict.rightCaption = counterCaption(state.rightCount);
    verdict.totalCaption = counterCaption(std::int32_t{state.rightCount} + state.wrongCount);
    verdict.spoken = spokenVerdict(verdict.right, digits(state.correctAnswer), verdict.rightCaption,
                                   counterCaption(state.wrongCount), verdict.totalCaption);
    return verdict;
}

}  // namespace vorlane
