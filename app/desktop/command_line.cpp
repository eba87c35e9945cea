// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphical_desktop.h"

namespace vorlane {

std::vector<std::string> qtCommandLine(const std::vector<std::string>& given,
                                       const char* preferred) {
    std::vector<std::string> line = given;
    if (line.empty()) {
        line.emplace_back("vorlane");
    }
    if (preferred != nullptr) {
        line.insert(line.begin() + 1, {"-platform", preferred});
    }
    return line;
}

}  // namespace vorlane
