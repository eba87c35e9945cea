#include <QApplication>

#include "desktop_setup.h"
#include "tavola.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    vorlane::prepareDesktop(app);
    vorlane::Tavola window;
    window.show();
    return QApplication::exec();
}
