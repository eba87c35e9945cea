// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include <cmath>

#include "answer.h"

using vorlane::KeyAction;
using vorlane::WindowState;

Q_DECLARE_METATYPE(KeyAction)

class AnswerTest : public QObject {
    Q_OBJECT

  private slots:
    void the_box_lets_only_digits_and_backspace_in_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<KeyAction>("action");
        QTest::newRow("0") << int{'0'} << KeyAction::LetThrough;
        QTest::newRow("9") << int{'9'} << KeyAction::LetThrough;
        QTest::newRow("backspace") << 8 << KeyAction::LetThrough;
        QTest::newRow("enter judges") << 13 << KeyAction::Judge;
        QTest::newRow("letter") << int{'a'} << KeyAction::Cancel;
        QTest::newRow("minus") << int{'-'} << KeyAction::Cancel;
        QTest::newRow("point") << int{'.'} << KeyAction::Cancel;
        QTest::newRow("blank") << int{' '} << KeyAction::Cancel;
        QTest::newRow("slash, just below 0") << int{'/'} << KeyAction::Cancel;
        QTest::newRow("colon, just above 9") << int{':'} << KeyAction::Cancel;
        QTest::newRow("ctrl+v") << 22 << KeyAction::Cancel;
        QTest::newRow("ctrl+c") << 3 << KeyAction::Cancel;
        QTest::newRow("nul") << 0 << KeyAction::Cancel;
        QTest::newRow("line feed") << 10 << KeyAction::Cancel;
        QTest::newRow("e grave") << 0xE8 << KeyAction::Cancel;
        QTest::newRow("negative code") << -32768 << KeyAction::Cancel;
    }
    void the_box_lets_only_digits_and_backspace_in() {
        QFETCH(int, code);
        QFETCH(KeyAction, action);
        QCOMPARE(vorlane::answerKey(code), action);
    }

    void the_number_rule_reads_text_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("number");
        QTest::newRow("empty box") << "" << 0.0;
        QTest::newRow("leading zeros") << "007" << 7.0;
        QTest::newRow("stops at a letter") << "12abc" << 12.0;
        QTest::newRow("blank inside") << "1 2" << 12.0;
        QTest::newRow("tab and line feed") << "\t4\n2" << 42.0;
        QTest::newRow("blanks around") << "  42  " << 42.0;
        QTest::newRow("decimal") << "2.5" << 2.5;
        QTest::newRow("no digit before the point") << ".5" << 0.5;
        QTest::newRow("point with nothing after") << "5." << 5.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("exponent") << "1E3" << 1000.0;
        QTest::newRow("small e") << "2e2" << 200.0;
        QTest::newRow("signed exponent") << "15E-1" << 1.5;
        QTest::newRow("E without digits") << "7E" << 7.0;
        QTest::newRow("E and sign without digits") << "7E+" << 7.0;
        QTest::newRow("hexadecimal") << "&H10" << 16.0;
        QTest::newRow("hex, small letters") << "&hff" << 255.0;
        QTest::newRow("octal") << "&O17" << 15.0;
        QTest::newRow("octal stops at 8") << "&O78" << 7.0;
        QTest::newRow("prefix without digits") << "&H" << 0.0;
        QTest::newRow("unknown prefix") << "&X1" << 0.0;
        QTest::newRow("minus") << "-5" << -5.0;
        QTest::newRow("plus") << "+5" << 5.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("beyond 32 bits") << "1E12" << 1e12;
        QTest::newRow("too small for a double") << "1E-999" << 0.0;
        QTest::newRow("a long run of zeros") << QString(400, '0') + "9" << 9.0;
        QTest::newRow("not a number") << "abc" << 0.0;
        QTest::newRow("comma is no separator") << "2,5" << 2.0;
        // Beyond a double: infinite.
        QTest::newRow("1E999") << "1E999" << HUGE_VAL;
        QTest::newRow("-1E999") << "-1E999" << -HUGE_VAL;
        QTest::newRow("a huge exponent") << "1E99999999999999999999" << HUGE_VAL;
        QTest::newRow("400 digits") << "1" + QString(400, '0') << HUGE_VAL;
    }
    void the_number_rule_reads_text() {
        QFETCH(QString, text);
        QFETCH(double, number);
        QCOMPARE(vorlane::numberFromText(text.toStdString()), number);
    }

    void the_typed_answer_is_rounded_to_even_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<int>("answer");
        QTest::newRow("2.5 gives 2") << "2.5" << true << 2;
        QTest::newRow("3.5 gives 4") << "3.5" << true << 4;
        QTest::newRow("2.6 gives 3") << "2.6" << true << 3;
        QTest::newRow("-2.5 gives -2") << "-2.5" << true << -2;
        QTest::newRow("the largest 32-bit") << "2147483647" << true << 2147483647;
        QTest::newRow("the smallest 32-bit") << "-2147483648" << true << -2147483647 - 1;
        QTest::newRow("one past the largest") << "2147483648" << false << 0;
        QTest::newRow("1E12") << "1E12" << false << 0;
        QTest::newRow("1E999") << "1E999" << false << 0;
        QTest::newRow("empty") << "" << true << 0;
    }
    void the_typed_answer_is_rounded_to_even() {
        QFETCH(QString, text);
        QFETCH(bool, fits);
        QFETCH(int, answer);
        const std::optional<std::int32_t> typed = vorlane::typedAnswer(text.toStdString());
        QCOMPARE(typed.has_value(), fits);
        if (fits) {
            QCOMPARE(*typed, answer);
        }
    }

    void a_right_answer_is_counted_green() {
        WindowState state;
        state.correctAnswer = 7;
        const vorlane::Verdict verdict = vorlane::judge(state, "007");
        QVERIFY(verdict.right);
        QCOMPARE(verdict.message, std::string("Esatto.OK!!!"));
        QVERIFY(verdict.colour == vorlane::kGreen);
        QCOMPARE(verdict.rightCaption, std::string("1"));
        QVERIFY(!verdict.wrongCaption.has_value());
        QCOMPARE(verdict.totalCaption, std::string("1"));
        QCOMPARE(state.rightCount, 1);
        QCOMPARE(state.wrongCount, 0);
    }

    void a_wrong_answer_shows_the_right_one_in_red() {
        WindowState state;
        state.correctAnswer = 60;
        const vorlane::Verdict verdict = vorlane::judge(state, "59");
        QVERIFY(!verdict.right);
        QCOMPARE(verdict.message, std::string("Sbagliato!! 60"));
        QVERIFY(verdict.colour == vorlane::kRed);
        QCOMPARE(verdict.wrongCaption.value_or(""), std::string("1"));
        QCOMPARE(verdict.rightCaption, std::string("0"));
        QCOMPARE(verdict.totalCaption, std::string("1"));
    }

    void every_enter_is_counted() {
        WindowState state;
        state.correctAnswer = 1296;
        QVERIFY(!vorlane::judge(state, "").right);
        const vorlane::Verdict verdict = vorlane::judge(state, "1296");
        QVERIFY(verdict.right);
        QCOMPARE(verdict.rightCaption, std::string("1"));
        QCOMPARE(verdict.totalCaption, std::string("2"));
        QCOMPARE(state.wrongCount, 1);
    }

    void answers_beyond_range_are_wrong_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::newRow("1E12") << "1E12" << 0;
        QTest::newRow("wraps to 0 in 32 bits") << "4294967296" << 0;
        QTest::newRow("wraps to 60 in 32 bits") << "4294967356" << 60;
        QTest::newRow("infinite") << "1E999" << 0;
        QTest::newRow("minus infinite") << "-1E999" << 0;
    }
    void answers_beyond_range_are_wrong() {
        QFETCH(QString, text);
        QFETCH(int, expected);
        WindowState state;
        state.correctAnswer = expected;
        const vorlane::Verdict verdict = vorlane::judge(state, text.toStdString());
        QVERIFY(!verdict.right);
        QCOMPARE(state.wrongCount, 1);
    }

    void counters_and_total_stop_at_32767_data() {
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<bool>("answerRight");
        QTest::addColumn<QString>("rightShown");
        QTest::addColumn<QString>("wrongShown");
        QTest::addColumn<QString>("totalShown");
        QTest::newRow("right at the limit") << 32767 << 0 << true << "32767"
                                            << ""
                                            << "32767";
        QTest::newRow("wrong at the limit") << 0 << 32767 << false << "0"
                                            << "32767"
                                            << "32767";
        QTest::newRow("the total passes the limit") << 20000 << 20000 << false << "20000"
                                                    << "20001"
                                                    << "32767";
        QTest::newRow("just below the limit") << 32766 << 0 << true << "32767"
                                              << ""
                                              << "32767";
        QTest::newRow("both at the limit") << 32767 << 32767 << true << "32767"
                                           << ""
                                           << "32767";
    }
    void counters_and_total_stop_at_32767() {
        QFETCH(int, right);
        QFETCH(int, wrong);
        QFETCH(bool, answerRight);
        QFETCH(QString, rightShown);
        QFETCH(QString, wrongShown);
        QFETCH(QString, totalShown);
        WindowState state;
        state.rightCount = static_cast<std::int16_t>(right);
        state.wrongCount = static_cast<std::int16_t>(wrong);
        state.correctAnswer = 5;
        const vorlane::Verdict verdict = vorlane::judge(state, answerRight ? "5" : "4");
        QCOMPARE(QString::fromStdString(verdict.rightCaption), rightShown);
        QCOMPARE(QString::fromStdString(verdict.wrongCaption.value_or("")), wrongShown);
        QCOMPARE(QString::fromStdString(verdict.totalCaption), totalShown);
        QVERIFY(state.rightCount >= 0 && state.wrongCount >= 0);
    }

    // What a screen reader says as the focus reaches cmdNext: the verdict, with the right value
    // after a wrong answer, then all three counts, the wrong one too when only the right one
    // changed; no dot between words, which a screen reader would read aloud.
    void the_verdict_is_told_with_the_score_data() {
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("told");
        QTest::newRow("first answer, right")
            << 0 << 0 << "60"
            << "Esatto, OK! Risposte esatte 1, errate 0, totali 1.";
        QTest::newRow("first answer, wrong")
            << 0 << 0 << ""
            << "Sbagliato! La risposta giusta è 60. Risposte esatte 0, errate 1, totali 1.";
        QTest::newRow("right after wrong ones")
            << 3 << 1 << "060"
            << "Esatto, OK! Risposte esatte 4, errate 1, totali 5.";
        QTest::newRow("at the limits")
            << 32767 << 32767 << "59"
            << "Sbagliato! La risposta giusta è 60. Risposte esatte 32767, errate 32767, "
               "totali 32767.";
    }
    void the_verdict_is_told_with_the_score() {
        QFETCH(int, right);
        QFETCH(int, wrong);
        QFETCH(QString, typed);
        QFETCH(QString, told);
        WindowState state;
        state.rightCount = static_cast<std::int16_t>(right);
        state.wrongCount = static_cast<std::int16_t>(wrong);
        state.correctAnswer = 60;
        QCOMPARE(QString::fromStdString(vorlane::judge(state, typed.toStdString()).spoken), told);
    }

    void a_load_resets_the_score_and_the_alarm_only() {
        WindowState state;
        state.rightCount = 3;
        state.wrongCount = 4;
        state.alarmTime = vorlane::TimeOfDay::at(7, 0, 0);
        state.tripleFamily = 5;
        state.tripleParam = 4;
        state.problemType = 9;
        state.correctAnswer = 60;
        vorlane::formLoad(state);
        QCOMPARE(state.rightCount, 0);
        QCOMPARE(state.wrongCount, 0);
        QVERIFY(std::get<std::string>(state.alarmTime).empty());
        QCOMPARE(state.tripleFamily, 5);
        QCOMPARE(state.tripleParam, 4);
        QCOMPARE(state.problemType, 9);
        QCOMPARE(state.correctAnswer, 60);
    }
};

QTEST_APPLESS_MAIN(AnswerTest)
#include "test_answer.moc"
