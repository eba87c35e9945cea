#include "spoken.h"

#include <stdexcept>

#include "problem.h"

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
    {"altezza VO", kLength}, {"raggio OK", kLength}, {"apotema VK", kLength}};

Spoken extraName(Quantity extra) {
    switch (extra) {
        case Quantity::BaseEdge:
            return {"lato AB", kLength};
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

void addDatum(std::string& text, Spoken spoken, const std::string& number) {
    text += text.ends_with(':') ? " " : ", ";
    text.append(spoken.name).append(" ").append(number).append(" ").append(spoken.unit);
}

}  // namespace

std::string spokenProblem(const Problem& problem, Quantity extra) {
    std::string text = problem.title + ". Dati:";
    for (std::size_t i = 0; i < kMeasures; ++i) {
        if (problem.measureShown[i]) {
            addDatum(text, kMeasureNames[i], problem.measureCaptions[i]);
        }
    }
    if (extra != Quantity::None) {
        addDatum(text, extraName(extra), problem.extraDigits);
    }
    return text + ".";
}

std::string spokenVerdict(std::string_view message, std::string_view right, std::string_view wrong,
                          std::string_view total) {
    std::string text(message);
    // "Esatto.OK!!!" ends a sentence already; "Sbagliato!! 80" ends in the right answer.
    text += text.ends_with('!') ? " " : ". ";
    text.append("Risposte esatte ").append(right);
    text.append(", errate ").append(wrong);
    text.append(", totali ").append(total).append(".");
    return text;
}

}  // namespace vorlane
