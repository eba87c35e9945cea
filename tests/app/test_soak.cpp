// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QFile>

#include "answer.h"
#include "game.h"
#include "problem.h"

// AddressSanitizer keeps freed memory in quarantine, so there resident memory says nothing of
// leaks: LeakSanitizer checks those at exit instead.
#if defined(__has_feature)
#define VORLANE_HAS_ADDRESS_SANITIZER __has_feature(address_sanitizer)
#else
#define VORLANE_HAS_ADDRESS_SANITIZER 0
#endif

namespace {

// The resident memory of this process, from the kernel's own count.
qint64 residentKiB() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').front().toLongLong();
        }
    }
    return -1;
}

// One problem played from the keyboard: the right answer on even rounds, a wrong one on odd.
void play(Game& game, int round) {
    game.answer(round % 2 == 0 ? game.rightAnswer() : QStringLiteral("0"));
    QTest::keyClick(game.focus(), Qt::Key_Return);
}

}  // namespace

class SoakTest : public QObject {
    Q_OBJECT

  private slots:
    void a_hundred_thousand_problems_in_the_engine() {
        vorlane::MixingRandom random;
        vorlane::WindowState state;
        for (int round = 0; round < 100000; ++round) {
            const vorlane::Problem problem = vorlane::poseProblem(state, random);
            const int vo = std::stoi(problem.measureCaptions[0]);
            const int ok = std::stoi(problem.measureCaptions[1]);
            const int vk = std::stoi(problem.measureCaptions[2]);
            QVERIFY(vo * vo + ok * ok == vk * vk);
            const bool right = round % 3 != 0;
            const std::string typed =
                right ? std::to_string(problem.correctAnswer) : std::to_string(-round);
            QVERIFY(vorlane::judge(state, typed).right == right);
        }
        QCOMPARE(state.rightCount, 32767);  // 66666 right answers, stopped at the limit
        QCOMPARE(state.wrongCount, 32767);  // 33334 wrong ones
    }

    // After a warm-up that fills Qt's font and style caches, two thousand problems, two hundred
    // reloads and fifty refused exits must leave the window as it was: the same objects and
    // windows, and resident memory within 1 MiB, far less than one leaked form a reload
    // (some 40 widgets) would cost over two hundred reloads.
    void two_thousand_problems_in_the_window() {
        Game game;
        for (int round = 0; round < 100; ++round) {
            play(game, round);
        }
        game.reload();
        const int objects = game.liveObjects();
        const auto windows = QApplication::topLevelWidgets().size();
        const qint64 memory = residentKiB();
        QVERIFY(memory > 0);

        for (int round = 1; round <= 2000; ++round) {
            play(game, round);
            if (round % 10 == 0) {
                game.reload();
            }
            if (round % 40 == 0) {
                game.window.cmdExit_Click();  // the scripted box takes its default: No
            }
        }
        game.reload();
        QCOMPARE(game.desk.boxes->shown.size(), std::size_t{50});
        QCOMPARE(game.desk.end->ends, 0);
        QCOMPARE(game.liveObjects(), objects);
        QCOMPARE(QApplication::topLevelWidgets().size(), windows);
        const qint64 growth = residentKiB() - memory;
        qInfo("resident memory grew by %lld KiB", growth);
#if !defined(__SANITIZE_ADDRESS__) && !VORLANE_HAS_ADDRESS_SANITIZER
        QVERIFY2(growth < 1024, qPrintable(QString("grew by %1 KiB").arg(growth)));
#endif
    }
};

VORLANE_TEST_MAIN(SoakTest)
#include "test_soak.moc"
