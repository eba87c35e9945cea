// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAbstractButton>
#include <QRegularExpression>

#include "game.h"

namespace {

// The pupil's moves, one word each: "12" types without Enter, "0" and "right" answer, "Enter"
// and "F5" press the key wherever the focus is, "new" chooses "Nuovo gioco", "no" and "yes"
// answer the exit question.
struct Played {
    QStringList problems;  // what the answer box told a screen reader, problem by problem
    QStringList answers;   // the right answer of each problem judged
};

// The problem a screen reader was last told of, with the answer box.
QString toldProblem(Game& game) {
    const QStringList told =
        game.desk.screenReader->told.filter(QRegularExpression("^txtAnswer: "));
    return told.isEmpty() ? QString() : told.back().section(": ", 1);
}

Played play(Game& game, const QString& moves) {
    Played played{{toldProblem(game)}, {}};
    for (const QString& move : moves.split(' ', Qt::SkipEmptyParts)) {
        if (move == "12") {
            QTest::keyClicks(game.answerBox(), move);
        } else if (move == "0" || move == "right") {
            played.answers << game.rightAnswer();
            game.answer(move == "0" ? move : game.rightAnswer());
        } else if (move == "Enter" || move == "F5") {
            QTest::keyClick(game.focus(), move == "F5" ? Qt::Key_F5 : Qt::Key_Return);
        } else if (move == "new") {
            game.trigger("new");
            if (!QTest::qWaitForWindowActive(&game.window)) {  // the pupil's next key waits too
                return played;
            }
        } else {
            game.desk.boxes->answers = {move == "yes" ? vorlane::kYes : vorlane::kNo};
            game.control<QAbstractButton>("cmdExit")->click();
        }
        if (move == "Enter" || move == "new") {
            played.problems << toldProblem(game);
        }
    }
    return played;
}

}  // namespace

class VoiceTest : public QObject {
    Q_OBJECT

  private slots:
    // In the expected utterances P1, P2 stand for the problems as a screen reader hears them,
    // {A1}, {A2} for the right answers of the problems judged.
    void what_the_voice_says_data() {
        QTest::addColumn<QString>("moves");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("box");
        const QString wrong =
            "Sbagliato! La risposta giusta è {A1}. Risposte esatte 0, errate 1, "
            "totali 1.";
        const QString right = "Esatto, OK! Risposte esatte 1, errate 0, totali 1.";
        const QString question = "Vuoi veramente lasciarmi  ?";
        QTest::newRow("the problem, as it is posed") << "" << QStringList{"P1"} << "";
        QTest::newRow("F5 again, the box untouched") << "12 F5" << QStringList{"P1", "P1"} << "12";
        QTest::newRow("a wrong answer") << "0" << QStringList{"P1", wrong} << "0";
        QTest::newRow("a right answer") << "right" << QStringList{"P1", right} << "{A1}";
        QTest::newRow("Enter, Enter") << "0 Enter" << QStringList{"P1", wrong, "P2"} << "";
        QTest::newRow("F5 after the verdict") << "0 F5" << QStringList{"P1", wrong, "P1"} << "0";
        QTest::newRow("F5 after Nuovo gioco") << "new F5" << QStringList{"P1", "P2", "P2"} << "";
        QTest::newRow("exit, No") << "no" << QStringList{"P1", question} << "";
        QTest::newRow("exit, Yes") << "yes" << QStringList{"P1", question, "Ciao a presto "} << "";
        QTest::newRow("Nuovo gioco counts from zero")
            << "right new 0"
            << QStringList{"P1", right, "P2",
                           "Sbagliato! La risposta giusta è {A2}. Risposte esatte 0, errate 1, "
                           "totali 1."}
            << "0";
    }
    void what_the_voice_says() {
        QFETCH(QString, moves);
        QFETCH(QStringList, expected);
        QFETCH(QString, box);
        Game game;
        QVERIFY(QTest::qWaitForWindowActive(&game.window));
        // Each box is said as it shows, not once it is closed.
        game.desk.boxes->whileOpen = [&] {
            QCOMPARE(game.desk.voice->said.last(), game.desk.boxes->shown.back().text);
        };
        const Played played = play(game, moves);
        for (QString& utterance : expected) {
            for (qsizetype i = 0; i < played.problems.size(); ++i) {
                utterance.replace(QString("P%1").arg(i + 1), played.problems[i]);
            }
            for (qsizetype i = 0; i < played.answers.size(); ++i) {
                utterance.replace(QString("{A%1}").arg(i + 1), played.answers[i]);
                box.replace(QString("{A%1}").arg(i + 1), played.answers[i]);
            }
        }
        QCOMPARE(game.desk.voice->said, expected);
        QVERIFY(played.problems.front().contains("? Dati "));
        if (game.window.isVisible()) {
            QCOMPARE(game.answerBox()->text(), box);
        }
    }

    // A screen reader hears the same texts: a problem as the focus reaches the box, a verdict,
    // which may cut in, as it reaches the next button; a box's text it reads with the box.
    void what_a_screen_reader_is_told() {
        Game game;
        QVERIFY(QTest::qWaitForWindowActive(&game.window));
        play(game, "0 F5 Enter yes");
        const QStringList said = game.desk.voice->said;
        QCOMPARE(game.desk.screenReader->told,
                 QStringList(
                     {"txtAnswer: " + said[0], "cmdNext!: " + said[1], "txtAnswer: " + said[3]}));
    }
};

VORLANE_TEST_MAIN(VoiceTest)
#include "test_voice.moc"
