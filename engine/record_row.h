// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "problem.h"

namespace vorlane {

// One judged answer, as the pupil's record keeps it.
struct AnsweredProblem {
    std::int16_t type = 0;
    std::string title;  // what was asked, as the window shows it
    std::string data;   // the data shown
    std::int32_t rightAnswer = 0;
    std::string typed;
    bool right = false;
    std::int32_t seconds = 0;  // from the problem being posed to Enter
    // The three counts after it, as the window shows them.
    std::string rightCount;
    std::string wrongCount;
    std::string totalCount;
};

// The data a problem shows, as the pupil reads them: the measures on the figure, then the
// sentence with its number, "VO = 7 cm, VK = 25 cm, La superficie di base misura cmq 576".
std::string dataShown(const Problem& problem);

// The record is a table that a spreadsheet set to Italian opens as columns: fields between
// semicolons, lines ended by CR LF, the column names first.
inline constexpr std::string_view kRecordHeader =
    "Data e ora;Tipo;Problema;Dati;Risposta giusta;Risposta data;Esito;Secondi;Esatte;Errate;"
    "Totali\r\n";

// The line of one answer, `when` (ISO 8601) first.
std::string recordLine(std::string_view when, const AnsweredProblem& answer);

}  // namespace vorlane
