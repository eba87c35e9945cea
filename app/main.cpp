#include <QApplication>

#include <cstdio>
#include <string>
#include <vector>

#include "desktop_setup.h"
#include "graphical_desktop.h"
#include "tavola.h"

int main(int argc, char* argv[]) {
    if (!vorlane::graphicalDesktopAtHand()) {
        std::fputs(vorlane::kNoDesktopLine, stderr);
        return 1;
    }
    // The preferred platform goes first, so that a -platform of the user's, later on the
    // command line, still wins.
    std::vector<char*> arguments(argv, argv + argc);
    std::string flag = "-platform";
    std::string platform;
    if (const char* preferred = vorlane::preferredPlatform()) {
        platform = preferred;
        arguments.insert(arguments.begin() + 1, {flag.data(), platform.data()});
    }
    int count = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);
    QApplication app(count, arguments.data());
    vorlane::prepareDesktop(app);
    // The game reads its problems aloud with --voce; without it the speech library is never
    // loaded.
    vorlane::Tavola window(QApplication::arguments().contains(QStringLiteral("--voce")));
    window.show();
    return QApplication::exec();
}
