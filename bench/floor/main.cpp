// The floor the game is measured against: the least a Qt Widgets window like the game's costs,
// a menu bar, forty labels, a line edit and a timer at 200 ms.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("FLOOR"));
    window.menuBar()->addMenu(QStringLiteral("Menu"))->addAction(QStringLiteral("Voce"));
    auto* form = new QWidget;
    constexpr int kLabels = 40;
    for (int i = 0; i < kLabels; ++i) {
        auto* label = new QLabel(QString::number(i), form);
        label->move(10 + (i % 8) * 90, 10 + (i / 8) * 40);
    }
    auto* box = new QLineEdit(form);
    box->setGeometry(10, 250, 200, 40);
    window.setCentralWidget(form);
    window.resize(794, 568 + window.menuBar()->sizeHint().height());
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(200);
    window.show();
    return QApplication::exec();
}
