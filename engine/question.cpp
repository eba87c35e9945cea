// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "question.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <stdexcept>

namespace vorlane {

namespace {

enum class Gender : std::uint8_t { Masculine, Feminine };

// What a title names, in full: titles are terse ("Raggio circonferenza inscritta OK"), and one
// is the start of a sentence that the pupil's number completes. The gender chooses the article
// and the ending of the rounding.
struct Noun {
    std::string_view title;  // the title without its unit and its call for rounding
    std::string_view words;
    Gender gender;
};

constexpr Noun kNouns[] = {
    {"Altezza VO", "altezza VO", Gender::Feminine},
    {"Raggio circonferenza inscritta OK", "raggio della circonferenza inscritta OK",
     Gender::Masculine},
    {"Apotema VK", "apotema VK", Gender::Masculine},
    {"Superficie laterale", "superficie laterale", Gender::Feminine},
    {"Superficie totale", "superficie totale", Gender::Feminine},
    {"Superficie di base", "superficie di base", Gender::Feminine},
    {"La superficie di base misura", "superficie di base", Gender::Feminine},
    {"Volume", "volume", Gender::Masculine},
    {"Volume della piramide", "volume della piramide", Gender::Masculine},
    {"Spigolo VB", "spigolo VB", Gender::Masculine},
    {"Spigolo AB", "spigolo AB", Gender::Masculine},
};

constexpr std::string_view kRounding = " (approssima all'unità)";
constexpr std::string_view kUnits[] = {"cm", "cmq", "cmc"};

const Noun& nounOf(std::string_view title) {
    const auto* noun = std::ranges::find(kNouns, title, &Noun::title);
    if (noun == std::end(kNouns)) {
        throw std::logic_error("no question for this title");
    }
    return *noun;
}

bool isVowel(char letter) {
    return std::string_view("aeiou").find(letter) != std::string_view::npos;
}

// Elided before a vowel; "lo" before an s followed by a consonant, or before a z.
std::string_view articleFor(std::string_view word, Gender gender) {
    if (isVowel(word.front())) {
        return "l'";
    }
    if (gender == Gender::Feminine) {
        return "la ";
    }
    const bool impure = word.front() == 'z' || (word.starts_with('s') && !isVowel(word[1]));
    return impure ? "lo " : "il ";
}

// The unit a title ends with, taken off the title; empty when it names none.
std::string_view takeUnit(std::string_view& title) {
    const std::size_t blank = title.rfind(' ');
    if (blank == std::string_view::npos) {
        return {};
    }
    const std::string_view last = title.substr(blank + 1);
    if (std::ranges::find(kUnits, last) == std::end(kUnits)) {
        return {};
    }
    title = title.substr(0, blank);
    return last;
}

}  // namespace

std::string questionFor(std::string_view title) {
    const bool rounded = title.ends_with(kRounding);
    if (rounded) {
        title.remove_suffix(kRounding.size());
    }
    const std::string_view unit = takeUnit(title);
    const Noun& noun = nounOf(title);

    std::string question = "Quanto misura ";
    question.append(articleFor(noun.words, noun.gender)).append(noun.words);
    if (!unit.empty()) {
        question.append(", in ").append(unit);
    }
    if (rounded) {
        question.append(noun.gender == Gender::Feminine ? ", approssimata" : ", approssimato");
        question.append(" all'unità");
    }
    return question + "?";
}

}  // namespace vorlane
