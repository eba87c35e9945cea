// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

// Any text the answer box could be given, pasted text included, through the number rule, the
// typed answer and the judge. Input: the expected answer (4 bytes, little-endian), the right
// and wrong counters (2 bytes each, sign bit dropped), then the text.
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "answer.h"
#include "fuzz_input.h"
#include "verdict_check.h"

using vorlane::fuzz::require;

namespace {

std::string withoutBlanks(std::string_view text) {
    std::string kept;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            kept += c;
        }
    }
    return kept;
}

// strtod, cut to the characters a decimal number is made of so that its own extras (hex
// floats, "inf", "nan", leading white space) never come into play, is a second reading.
void requireSameAsStrtod(const std::string& kept, double number) {
    const std::string decimal = kept.substr(0, kept.find_first_not_of("+-.0123456789eE"));
    errno = 0;
    const double expected = std::strtod(decimal.c_str(), nullptr);
    // strtod keeps a subnormal where the rule says "as good as zero"; both round to 0.
    const bool underflow = errno == ERANGE && std::fabs(expected) < DBL_MIN;
    require(number == expected || (underflow && number == 0.0));
}

// The radix an "&" prefix names, 0 for a prefix the rule does not know.
int radixOf(char letter) {
    if (letter == 'H' || letter == 'h') {
        return 16;
    }
    if (letter == 'O' || letter == 'o') {
        return 8;
    }
    return 0;
}

// Few enough hex or octal digits for a double to hold them exactly: strtoull must agree.
void requireSameAsStrtoull(const std::string& kept, double number) {
    const int radix = radixOf(kept[1]);
    if (radix == 0) {
        require(number == 0.0);
        return;
    }
    const std::size_t end =
        kept.find_first_not_of(radix == 16 ? "0123456789abcdefABCDEF" : "01234567", 2);
    const std::string digits = kept.substr(2, end == std::string::npos ? end : end - 2);
    if (digits.size() <= 13) {
        require(number == static_cast<double>(std::strtoull(digits.c_str(), nullptr, radix)));
    }
}

// Rounded to the nearest whole, a tie to the even one; empty only past the 32-bit range.
void requireRounded(double number, std::optional<std::int32_t> typed) {
    if (typed) {
        const double off = std::fabs(number - *typed);
        require(off < 0.5 || (off == 0.5 && *typed % 2 == 0));
        return;
    }
    require(!std::isfinite(number) || number >= 2147483647.5 || number < -2147483648.5);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vorlane::fuzz::FuzzInput input(data, size);
    vorlane::WindowState state = vorlane::fuzz::gameFrom(input);
    const std::string_view text = input.rest();

    const double number = vorlane::numberFromText(text);
    require(!std::isnan(number));
    const std::string kept = withoutBlanks(text);
    if (kept.size() >= 2 && kept[0] == '&') {
        requireSameAsStrtoull(kept, number);
    } else {
        requireSameAsStrtod(kept, number);
    }

    const std::optional<std::int32_t> typed = vorlane::typedAnswer(text);
    requireRounded(number, typed);

    const vorlane::WindowState before = state;
    const vorlane::Verdict verdict = vorlane::judge(state, text);
    vorlane::fuzz::requireCounted(before, state, verdict,
                                  typed.has_value() && *typed == before.correctAnswer);
    return 0;
}
