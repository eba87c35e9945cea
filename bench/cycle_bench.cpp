// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "answer.h"
#include "desktop_setup.h"
#include "problem.h"
#include "random_source.h"
#include "scripted_platform.h"
#include "tavola.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Figures {
    double fastest;
    double median;
    double slowest;
};

// Runs the cycle in batches and gives the time per cycle, in microseconds, of the fastest,
// the median and the slowest batch: a batch long enough to dwarf the clock's own cost, and
// the median so that one batch slowed by another program on the machine does not count.
Figures measure(int batches, int cyclesPerBatch, const std::function<void()>& cycle) {
    std::vector<double> perCycle;
    for (int batch = 0; batch < batches; ++batch) {
        const auto start = Clock::now();
        for (int i = 0; i < cyclesPerBatch; ++i) {
            cycle();
        }
        const std::chrono::duration<double, std::micro> spent = Clock::now() - start;
        perCycle.push_back(spent.count() / cyclesPerBatch);
    }
    std::sort(perCycle.begin(), perCycle.end());
    return {perCycle.front(), perCycle[perCycle.size() / 2], perCycle.back()};
}

void report(const char* what, int batches, int cycles, Figures f) {
    std::printf("%-34s %3d x %7d   median %10.3f us   range %10.3f .. %10.3f us\n", what, batches,
                cycles, f.median, f.fastest, f.slowest);
}

// A cycle that judged a right answer wrong measures a broken game, not a fast one.
[[noreturn]] void wrongVerdict(const char* where) {
    std::fprintf(stderr, "%s: the right answer was judged wrong\n", where);
    std::exit(EXIT_FAILURE);
}

void benchEngine() {
    vorlane::MixingRandom random;
    vorlane::WindowState state;
    const auto cycle = [&] {
        const vorlane::Problem problem = vorlane::poseProblem(state, random);
        if (!vorlane::judge(state, std::to_string(problem.correctAnswer)).right) {
            wrongVerdict("engine");
        }
    };
    for (int i = 0; i < 10000; ++i) {
        cycle();
    }
    constexpr int kBatches = 15;
    constexpr int kCycles = 100000;
    report("engine: poseProblem + judge", kBatches, kCycles, measure(kBatches, kCycles, cycle));
}

// The pupil's cycle in the offscreen window: a new problem, the right answer typed key by key,
// Enter, and the verdict on the labels. With repaint, the window also lays out and paints
// what changed, as it would before the pupil sees it.
void benchWindow() {
    vorlane::ScriptedDesktop desk(std::make_unique<vorlane::MixingRandom>());
    vorlane::Tavola window(std::move(desk.platform));
    window.show();
    QCoreApplication::processEvents();
    auto* answerBox = window.findChild<QLineEdit*>(QStringLiteral("txtAnswer"));
    if (answerBox == nullptr) {
        std::fprintf(stderr, "the window has no answer box\n");
        std::exit(EXIT_FAILURE);
    }

    const auto cycle = [&] {
        window.cmdNext_Click();
        const std::int16_t before = window.state().rightCount;
        QTest::keyClicks(answerBox, QString::number(window.state().correctAnswer));
        QTest::keyClick(answerBox, Qt::Key_Return);
        if (window.state().rightCount != before + 1) {
            wrongVerdict("window");
        }
        // The right count stops at 32767; a new game keeps the check meaningful.
        if (window.state().rightCount > 30000) {
            window.state().rightCount = 0;
        }
    };
    const auto cycleAndRepaint = [&] {
        cycle();
        QCoreApplication::processEvents();
    };
    for (int i = 0; i < 200; ++i) {
        cycleAndRepaint();
    }
    constexpr int kBatches = 15;
    constexpr int kCycles = 500;
    report("window: handlers and key events", kBatches, kCycles, measure(kBatches, kCycles, cycle));
    QCoreApplication::processEvents();
    report("window: the same, with repaint", kBatches, kCycles,
           measure(kBatches, kCycles, cycleAndRepaint));
}

}  // namespace

int main(int argc, char* argv[]) {
    // Offscreen unless told otherwise: the figures must not depend on a desktop's compositor.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    vorlane::prepareDesktop(app);
    benchEngine();
    benchWindow();
    return EXIT_SUCCESS;
}
