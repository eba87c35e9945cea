// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>

#include <cstdio>
#include <string>
#include <vector>

#include "desktop_setup.h"
#include "game_options.h"
#include "graphical_desktop.h"
#include "tavola.h"

int main(int argc, char* argv[]) {
    if (!vorlane::graphicalDesktopAtHand()) {
        std::fputs(vorlane::kNoDesktopLine, stderr);
        return 1;
    }
    std::vector<std::string> line = vorlane::qtCommandLine(
        std::vector<std::string>(argv, argv + argc), vorlane::preferredPlatform());
    std::vector<char*> arguments;
    arguments.reserve(line.size() + 1);
    for (std::string& argument : line) {
        arguments.push_back(argument.data());
    }
    int count = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);
    QApplication app(count, arguments.data());
    vorlane::prepareDesktop(app);
    // The game reads its problems aloud with --voce; without it the speech library is never
    // loaded.
    vorlane::Tavola window(vorlane::gameOptions(QApplication::arguments()));
    window.show();
    return QApplication::exec();
}
