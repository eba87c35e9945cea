// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "record_row.h"

#include <string>

namespace vorlane {

namespace {

// A text goes between quotes, its own quotes doubled, when it holds what ends a field or a line.
// One that a spreadsheet would take for a formula gets an apostrophe first, which the
// spreadsheet shows as text: what a pupil types never runs on the teacher's computer.
std::string field(std::string_view text) {
    std::string out(text);
    if (!out.empty() && std::string_view("=+-@\t\r").find(out.front()) != std::string_view::npos) {
        out.insert(out.begin(), '\'');
    }
    if (out.find_first_of(";\"\r\n") == std::string::npos) {
        return out;
    }
    std::string quoted = "\"";
    for (const char c : out) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + '"';
}

}  // namespace

std::string dataShown(const Problem& problem) {
    static constexpr const char* kNames[kMeasures] = {"VO", "OK", "VK"};
    std::string data;
    for (std::size_t i = 0; i < kMeasures; ++i) {
        if (problem.measureShown[i]) {
            data += std::string(data.empty() ? "" : ", ") + kNames[i] + " = " +
                    problem.measureCaptions[i] + " cm";
        }
    }
    if (!problem.sentence.empty()) {
        const std::string sentence =
            problem.sentence.substr(0, problem.sentence.find_last_not_of(' ') + 1);
        data += (data.empty() ? "" : ", ") + sentence + ' ' + problem.extraDigits;
    }
    return data;
}

std::string recordLine(std::string_view when, const AnsweredProblem& answer) {
    return field(when) + ';' + std::to_string(answer.type) + ';' + field(answer.title) + ';' +
           field(answer.data) + ';' + std::to_string(answer.rightAnswer) + ';' +
           field(answer.typed) + ';' + (answer.right ? "esatta" : "errata") + ';' +
           std::to_string(answer.seconds) + ';' + answer.rightCount + ';' + answer.wrongCount +
           ';' + answer.totalCount + "\r\n";
}

}  // namespace vorlane
