// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "problem_choice.h"

#include <charconv>
#include <optional>

namespace vorlane {

namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A type number alone, 1 to 21; anything else, a sign or a blank inside it included, is none.
std::optional<int> typeNumber(std::string_view text) {
    int number = 0;
    const auto* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    if (text.empty() || error != std::errc{} || stop != end || number < 1 ||
        number > kProblemTypes) {
        return std::nullopt;
    }
    return number;
}

ChoiceReading faulty(std::string_view item) {
    return {allProblems(), "\"" + std::string(item) +
                               "\" non è un tipo di problema né un intervallo di tipi da 1 a 21"};
}

}  // namespace

ChoiceReading readProblemChoice(std::string_view list) {
    if (trimmed(list).empty()) {
        return {allProblems(), "la lista dei problemi è vuota"};
    }
    ProblemChoice choice;
    while (true) {
        const auto comma = list.find(',');
        const std::string_view item = trimmed(list.substr(0, comma));
        const auto dash = item.find('-');
        const std::optional<int> first = typeNumber(trimmed(item.substr(0, dash)));
        const std::optional<int> last =
            dash == std::string_view::npos ? first : typeNumber(trimmed(item.substr(dash + 1)));
        if (!first || !last || *first > *last) {
            return faulty(item);
        }
        for (int type = *first; type <= *last; ++type) {
            choice.set(static_cast<std::size_t>(type - 1));
        }
        if (comma == std::string_view::npos) {
            return {choice, {}};
        }
        list.remove_prefix(comma + 1);
    }
}

}  // namespace vorlane
