#include <QApplication>

#include <cstdio>

#include "desktop_setup.h"
#include "graphical_desktop.h"
#include "tavola.h"

int main(int argc, char* argv[]) {
    if (!vorlane::graphicalDesktopAtHand()) {
        std::fputs(vorlane::kNoDesktopLine, stderr);
        return 1;
    }
    QApplication app(argc, argv);
    vorlane::prepareDesktop(app);
    vorlane::Tavola window;
    window.show();
    return QApplication::exec();
}
