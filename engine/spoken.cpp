// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "spoken.h"

#include <stdexcept>
#include <vector>

#include "problem.h"
#include "question.h"

namespace vorlane {

namespace {

// Units in words: a speech synthesiser spells "cmq" out letter by letter.
constexpr std::string_view kLength = "centimetri";
constexpr std::string_view kArea = "centimetri quadrati";
constexpr std::string_view kVolume = "centimetri cubi";

struct Spoken {
    std::string_view name;
    std::string_view unit;
};

constexpr Spoken kMeasureNames[kMeasures] = {
    {"altezza V O", kLength}, {"raggio O K", kLength}, {"apotema V K", kLength}};

Spoken extraName(Quantity extra) {
    switch (extra) {
        case Quantity::BaseEdge:
            return {"lato A B", kLength};
        case Quantity::BasePerimeter:
            return {"perimetro di base", kLength};
        case Quantity::BaseArea:
            return {"superficie di base", kArea};
        case Quantity::LateralSurface:
            return {"superficie laterale", kArea};
        case Quantity::TotalSurface:
            return {"superficie totale", kArea};
        case Quantity::Volume:
            return {"volume", kVolume};
        default:
            break;
    }
    throw std::logic_error("no problem gives this quantity as its extra datum");
}

bool isFigureName(std::string_view word) {
    return word.size() > 1 && word.find_first_not_of("ABCDKOV") == std::string_view::npos;
}

// One word of a title as it should sound: the figure's points one by one, a unit in words.
std::string wordForTheEar(std::string_view word) {
    if (isFigureName(word)) {
        std::string letters;
        for (const char letter : word) {
            letters.append(letters.empty() ? "" : " ").push_back(letter);
        }
        return letters;
    }
    if (word == "cm") {
        return std::string(kLength);
    }
    if (word == "cmq") {
        return std::string(kArea);
    }
    if (word == "cmc") {
        return std::string(kVolume);
    }
    return std::string(word);
}

// A phrase in the window's spelling, for the ear, word by word; a comma or a question mark
// stays after its word.
std::string phraseForTheEar(std::string_view phrase) {
    std::string text;
    std::size_t start = 0;
    while (start < phrase.size()) {
        std::size_t end = phrase.find(' ', start);
        end = end == std::string_view::npos ? phrase.size() : end;
        const std::string_view word = phrase.substr(start, end - start);
        const std::size_t mark = word.find_last_not_of(",?") + 1;
        text.append(text.empty() ? "" : " ").append(wordForTheEar(word.substr(0, mark)));
        text.append(word.substr(mark));
        start = end + 1;
    }
    return text;
}

std::string datum(Spoken spoken, const std::string& number) {
    return std::string(spoken.name).append(" ").append(number).append(" ").append(spoken.unit);
}

}  // namespace

std::string spokenProblem(const Problem& problem, Quantity extra) {
    std::vector<std::string> data;
    for (std::size_t i = 0; i < kMeasures; ++i) {
        if (problem.measureShown[i]) {
            data.push_back(datum(kMeasureNames[i], problem.measureCaptions[i]));
        }
    }
    if (extra != Quantity::None) {
        data.push_back(datum(extraName(extra), problem.extraDigits));
    }
    std::string text = phraseForTheEar(questionFor(problem.title)) + " Dati";
    for (std::size_t i = 0; i < data.size(); ++i) {
        text.append(i == 0 ? " " : i + 1 == data.size() ? " e " : ", ").append(data[i]);
    }
    return text + ".";
}

std::string spokenVerdict(bool right, std::string_view correctAnswer, std::string_view rightCount,
                          std::string_view wrongCount, std::string_view totalCount) {
    std::string text = right ? "Esatto, OK!" : "Sbagliato! La risposta giusta è ";
    if (!right) {
        text.append(correctAnswer).append(".");
    }
    text.append(" Risposte esatte ").append(rightCount);
    text.append(", errate ").append(wrongCount);
    text.append(", totali ").append(totalCount).append(".");
    return text;
}

}  // namespace vorlane
