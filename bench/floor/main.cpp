// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor that the game's start-up, memory and idle figures are set against: the least a
// Qt Widgets window of the game's size and kind costs. It shows the window and prints nothing.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QTime>
#include <QTimer>

namespace {

constexpr int kClientWidth = 794;
constexpr int kClientHeight = 568;
constexpr int kLabels = 40;
constexpr int kTickMs = 200;

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("VORLANE PAVIMENTO"));

    QMenuBar* bar = window.menuBar();
    bar->addMenu(QStringLiteral("&Gioco"))->addAction(QStringLiteral("&Nuovo gioco"));
    bar->addAction(QStringLiteral("&Calcolatrice"));

    auto* form = new QWidget;
    for (int i = 0; i < kLabels; ++i) {
        auto* label = new QLabel(QStringLiteral("Etichetta %1").arg(i + 1), form);
        label->setGeometry(10 + (i % 4) * 190, 10 + (i / 4) * 40, 180, 30);
    }
    // Hidden, as the game's clock caption is: its ticks never repaint.
    auto* clock = new QLabel(form);
    clock->hide();
    auto* answer = new QLineEdit(form);
    answer->setGeometry(10, 470, 300, 60);
    answer->setMaxLength(6);
    window.setCentralWidget(form);
    window.resize(kClientWidth, kClientHeight + bar->sizeHint().height());

    // What the game's clock does at every tick: read the time and compare it with a caption.
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, clock, [clock] {
        const QString now = QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
        if (now != clock->text()) {
            clock->setText(now);
        }
    });
    tick.start(kTickMs);

    window.show();
    return QApplication::exec();
}
