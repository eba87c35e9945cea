// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QClipboard>
#include <QInputMethodEvent>

#include "game.h"

namespace {

bool onWayland() {
    return QGuiApplication::platformName() == QLatin1String("wayland");
}

// Puts the text into the answer box as its context menu's paste does. A Wayland clipboard
// belongs to a seat; where the compositor has none, the text goes in as the paste would put it.
void paste(Game& game, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    if (onWayland() && QGuiApplication::clipboard()->text() != text) {
        game.answerBox()->insert(text);
    } else {
        game.answerBox()->paste();
    }
}

// A Wayland client cannot activate its own window: the compositor does, when it gives the
// window a seat's keyboard. There the test stands in for the compositor with the call that Qt's
// platform code makes when a window gains the keyboard, which Qt 6.5 and later keep for that use
// alone and mark deprecated.
bool activate(Game& game) {
    if (onWayland()) {
        QT_WARNING_PUSH
        QT_WARNING_DISABLE_DEPRECATED
        QApplication::setActiveWindow(&game.window);
        QT_WARNING_POP
        return QApplication::activeWindow() == &game.window;
    }
    return QTest::qWaitForWindowActive(&game.window);
}

}  // namespace

class PlayTest : public QObject {
    Q_OBJECT

    // The one window that the rows of every_type_in_one_window play in, one after another.
    std::unique_ptr<Game> played_;
    vorlane::ScriptedRandom* draws_ = nullptr;

  private slots:
    void init() {
        if (QTest::currentTestFunction() != QLatin1String("every_type_in_one_window")) {
            played_.reset();
        }
    }

    void the_first_problem_is_posed_at_start_up() {
        Game game;
        QVERIFY(game.window.state().correctAnswer > 0);
        QVERIFY(game.window.state().problemType >= 1);
        QCOMPARE(game.caption("lblScore"), QString("0"));
        QCOMPARE(game.caption("lblScore1"), QString("0"));
        QCOMPARE(game.caption("lblScore2"), QString("0"));
        QCOMPARE(game.caption("lblMessage"), QString());
        QCOMPARE(game.window.windowTitle(), QString("VORLANE QUADRANGOLARE REGOLARE"));
        QVERIFY(!game.control("cmdNext")->isEnabled());
        QCOMPARE(game.focus(), game.answerBox());
        QVERIFY(game.caption("Label5") != QString("Ipotenusa"));
    }

    // Every type, one after another in one window, on (6, 8, 10) and then on (7, 24, 25), so
    // that what one problem hid must come back for the next.
    void every_type_in_one_window_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<int>("answer6");
        QTest::addColumn<QString>("extra6");
        QTest::addColumn<int>("answer7");
        QTest::addColumn<QString>("extra7");
        const QColor green(0, 255, 0);
        const QColor magenta(255, 0, 255);
        const QColor blue(0, 0, 255);
        const QString area = "La superficie di base misura cmq ";
        const QString perimeter = "Il perimetro di base misura cm ";
        const QString edge = "Il lato AB misura cm ";
        const QString volume = "Il volume della piramide è di cmc ";
        const QString lateral = "La superficie laterale misura cmq  ";
        auto row = [](int type) -> QTestData& { return QTest::addRow("type %d", type) << type; };
        row(1) << "Altezza VO" << green << "OK VK"
               << "" << 6 << "" << 7 << "";
        row(2) << "Raggio circonferenza inscritta OK" << magenta << "VO VK"
               << "" << 8 << "" << 24 << "";
        row(3) << "Apotema VK" << blue << "VO OK"
               << "" << 10 << "" << 25 << "";
        row(4) << "Superficie laterale" << blue << "VO OK"
               << "" << 320 << "" << 2400 << "";
        row(5) << "Superficie totale" << blue << "VO OK"
               << "" << 576 << "" << 4704 << "";
        row(6) << "Volume" << blue << "VO OK"
               << "" << 512 << "" << 5376 << "";
        row(7) << "Superficie di base" << magenta << "VO VK"
               << "" << 256 << "" << 2304 << "";
        row(8) << "Raggio circonferenza inscritta OK" << magenta << "VK" << area << 8 << "256" << 24
               << "2304";
        row(9) << "Apotema VK" << magenta << "VO"
               << "L'area della superficie di base è cmq " << 10 << "256" << 25 << "2304";
        row(10) << "Apotema VK" << magenta << "VO" << perimeter << 10 << "64" << 25 << "192";
        row(11) << "Altezza VO" << magenta << "VK" << perimeter << 6 << "64" << 7 << "192";
        row(12) << "Altezza VO" << magenta << "VK" << edge << 6 << "16" << 7 << "48";
        row(13) << "Spigolo VB (approssima all'unità)" << magenta << "VK" << edge << 13 << "16"
                << 35 << "48";
        row(14) << "La superficie di base misura cmq" << blue << "VO" << volume << 256 << "512"
                << 2304 << "5376";
        row(15) << "Raggio circonferenza inscritta OK" << blue << "VO" << volume << 8 << "512" << 24
                << "5376";
        row(16) << "Spigolo AB" << blue << "VO" << volume << 16 << "512" << 48 << "5376";
        row(17) << "Apotema VK" << blue << "OK" << lateral << 10 << "320" << 25 << "2400";
        row(18) << "Altezza VO" << blue << "OK" << lateral << 6 << "320" << 7 << "2400";
        row(19) << "Volume della piramide" << blue << "OK" << lateral << 512 << "320" << 5376
                << "2400";
        row(20) << "Superficie laterale" << blue << "OK"
                << "La superficie totale misura cmq  " << 320 << "576" << 2400 << "4704";
        row(21) << "Altezza VO" << blue << "OK"
                << "Il volume del solido è cmc  " << 6 << "512" << 7 << "5376";
    }
    void every_type_in_one_window() {
        QFETCH(int, type);
        QFETCH(QString, title);
        QFETCH(QColor, colour);
        QFETCH(QString, shown);
        QFETCH(QString, sentence);
        QFETCH(int, answer6);
        QFETCH(QString, extra6);
        QFETCH(int, answer7);
        QFETCH(QString, extra7);
        if (!played_) {
            auto random = std::make_unique<vorlane::ScriptedRandom>(std::vector<float>{0.5F});
            draws_ = random.get();
            played_ = std::make_unique<Game>(std::move(random));
        }
        Game& game = *played_;
        const struct {
            int family;
            QStringList measures;
            int answer;
            QString extra;
        } pyramids[] = {{2, {"6", "8", "10"}, answer6, extra6},
                        {1, {"7", "24", "25"}, answer7, extra7}};
        const char* const numbers[] = {"lblNum1", "lblNum2", "lblipo"};
        const char* const units[] = {"Label2(0)", "Label2(1)", "Label2(2)"};
        const char* const letters[] = {"Label20", "Label21", "Label22"};
        const QString names[] = {"VO", "OK", "VK"};
        const QString unknowns[] = {"h", "r", "a"};
        for (const auto& pyramid : pyramids) {
            draws_->setDraws(drawsFor(3, pyramid.family, 0, type));
            if (!game.control("cmdNext")->isEnabled()) {
                game.answer("0");
            }
            QTest::mouseClick(game.control("cmdNext"), Qt::LeftButton);
            QCOMPARE(game.answerBox()->text(), QString());
            QCOMPARE(game.caption("lblMessage"), QString());
            QCOMPARE(game.caption("Label5"), title);
            QCOMPARE(game.control("Label5")->palette().color(QPalette::WindowText), colour);
            for (int i = 0; i < 3; ++i) {
                const bool given = shown.split(' ').contains(names[i]);
                QCOMPARE(game.caption(numbers[i]), pyramid.measures[i]);
                QCOMPARE(game.control(numbers[i])->isVisible(), given);
                QCOMPARE(game.control(units[i])->isVisible(), given);
                QCOMPARE(game.caption(letters[i]), given ? pyramid.measures[i] : unknowns[i]);
            }
            QCOMPARE(game.caption("Label10"), sentence);
            QCOMPARE(game.caption("Label11"), pyramid.extra);
            QCOMPARE(game.caption("Label9"), QString::number(pyramid.family));
            QCOMPARE(game.caption("Label12"), QString::number(type));
            game.answer(QString::number(pyramid.answer));
            QCOMPARE(game.caption("lblMessage"), QString("Esatto.OK!!!"));
        }
    }

    void labels_sized_to_text_keep_their_anchored_edge() {
        Game game(scripted(drawsFor(3, 2, 0, 8)));
        QWidget* title = game.control("Label5");
        QWidget* sentence = game.control("Label10");
        QCOMPARE(title->x() + title->width(), 8445 / 15);
        QCOMPARE(sentence->x() + sentence->width(), 7430 / 15);
        QWidget* height = game.control("lblNum1");
        const int centreTwice = 2 * height->x() + height->width();
        game.window.cmdNext_Click();
        QCOMPARE(title->x() + title->width(), 8445 / 15);
        QVERIFY(std::abs(2 * height->x() + height->width() - centreTwice) <= 1);
        QVERIFY(sentence->width() >
                QFontMetrics(sentence->font()).horizontalAdvance("La superficie"));
    }

    void the_right_answer_is_green_and_counted() {
        Game game;
        game.answer(game.rightAnswer());
        QCOMPARE(game.caption("lblMessage"), QString("Esatto.OK!!!"));
        QCOMPARE(game.control("lblMessage")->palette().color(QPalette::WindowText),
                 QColor(0, 255, 0));
        QCOMPARE(game.caption("lblScore"), QString("1"));
        QCOMPARE(game.caption("lblScore1"), QString("0"));
        QCOMPARE(game.caption("lblScore2"), QString("1"));
        QVERIFY(game.control("cmdNext")->isEnabled());
        QCOMPARE(game.focus(), game.control("cmdNext"));
        QCOMPARE(game.answerBox()->text(), game.rightAnswer());  // stays until the next problem
    }

    void a_wrong_answer_shows_the_right_one_in_red() {
        Game game(scripted(drawsFor(5, 1, 0, 2)));  // (11, 60, 61): the inradius, 60
        game.answer("59");
        QCOMPARE(game.caption("lblMessage"), QString("Sbagliato!! 60"));
        QCOMPARE(game.control("lblMessage")->palette().color(QPalette::WindowText),
                 QColor(255, 0, 0));
        QCOMPARE(game.caption("lblScore"), QString("0"));
        QCOMPARE(game.caption("lblScore1"), QString("1"));
        QCOMPARE(game.caption("lblScore2"), QString("1"));
    }

    void two_enters_on_one_problem_both_count() {
        Game game;
        game.answer("0");
        QTest::keyClick(game.answerBox(), Qt::Key_Backspace);
        game.answer(game.rightAnswer());
        QCOMPARE(game.caption("lblScore"), QString("1"));
        QCOMPARE(game.caption("lblScore1"), QString("1"));
        QCOMPARE(game.caption("lblScore2"), QString("2"));
        QCOMPARE(game.caption("lblMessage"), QString("Esatto.OK!!!"));
    }

    void the_box_refuses_everything_but_digits_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("byInputMethod");
        QTest::addColumn<QString>("kept");
        QTest::newRow("letters") << "a1b2" << false << "12";
        QTest::newRow("minus") << "-5" << false << "5";
        QTest::newRow("point") << "2.5" << false << "25";
        QTest::newRow("blank") << "1 2" << false << "12";
        QTest::newRow("a seventh digit") << "1234567" << false << "123456";
        // An input method commits its text at once: a letter in it refuses the whole.
        QTest::newRow("input method, letters") << "4x" << true << "";
        QTest::newRow("input method, digits") << "45" << true << "45";
    }
    void the_box_refuses_everything_but_digits() {
        QFETCH(QString, typed);
        QFETCH(bool, byInputMethod);
        QFETCH(QString, kept);
        Game game;
        if (byInputMethod) {
            QInputMethodEvent commit;
            commit.setCommitString(typed);
            QApplication::sendEvent(game.answerBox(), &commit);
        } else {
            QTest::keyClicks(game.answerBox(), typed);
        }
        QCOMPARE(game.answerBox()->text(), kept);
    }

    void accented_letters_and_symbols_are_refused() {
        Game game;
        QLineEdit* box = game.answerBox();
        QTest::keyClicks(box, "3");
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_Egrave, QStringLiteral("è"), {});
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QStringLiteral("€"), {});
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QStringLiteral("4x"), {});
        QCOMPARE(box->text(), QString("3"));
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QStringLiteral("45"), {});
        QCOMPARE(box->text(), QString("345"));
    }

    // Keys as X11 sends them, text and all: Delete carries "\x7f", a keypad digit with Num Lock
    // its digit, a navigation key none. The box holds 123 with the cursor after the 1 and the
    // given count of digits after it selected; then come the key and a 9.
    void keys_edit_as_in_any_text_box_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("afterKey");
        QTest::addColumn<QString>("afterNine");
        const int none = Qt::NoModifier;
        const int shift = Qt::ShiftModifier;
        const int pad = Qt::KeypadModifier;
        auto row = [](const char* name, int key, int modifiers, const char* text, int selected,
                      const char* afterKey, const char* afterNine) {
            QTest::newRow(name) << key << modifiers << QString::fromLatin1(text) << selected
                                << QString::fromLatin1(afterKey) << QString::fromLatin1(afterNine);
        };
        row("delete", Qt::Key_Delete, none, "\x7f", 0, "13", "193");
        row("shift+delete cuts", Qt::Key_Delete, shift, "\x7f", 1, "13", "193");
        row("backspace", Qt::Key_Backspace, none, "\b", 0, "23", "923");
        row("home", Qt::Key_Home, none, "", 0, "123", "9123");
        row("end", Qt::Key_End, none, "", 0, "123", "1239");
        row("right", Qt::Key_Right, none, "", 0, "123", "1293");
        row("shift+left", Qt::Key_Left, shift, "", 0, "123", "923");
        row("insert", Qt::Key_Insert, none, "", 0, "123", "1923");
        row("pad 5, num lock", Qt::Key_5, pad, "5", 0, "1523", "15923");
        row("pad point, num lock", Qt::Key_Period, pad, ".", 0, "123", "1923");
        row("pad end", Qt::Key_End, pad, "", 0, "123", "1239");
        row("pad delete", Qt::Key_Delete, pad, "", 0, "13", "193");
        row("pad enter judges", Qt::Key_Enter, pad, "\r", 0, "123", "1923");
    }
    void keys_edit_as_in_any_text_box() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(int, selected);
        QFETCH(QString, afterKey);
        QFETCH(QString, afterNine);
        Game game;
        QLineEdit* box = game.answerBox();
        QTest::keyClicks(box, "123");
        box->setSelection(1, selected);
        QTest::sendKeyEvent(QTest::Click, box, static_cast<Qt::Key>(key), text,
                            Qt::KeyboardModifiers(modifiers));
        QCOMPARE(box->text(), afterKey);
        QTest::keyClicks(box, "9");
        QCOMPARE(box->text(), afterNine);
        QCOMPARE(game.caption("lblMessage").isEmpty(), key != Qt::Key_Enter);
    }

    void shortcuts_of_the_box_are_refused_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("ctrl+v") << int{Qt::Key_V};
        QTest::newRow("ctrl+x") << int{Qt::Key_X};
        QTest::newRow("ctrl+a") << int{Qt::Key_A};
        QTest::newRow("ctrl+z") << int{Qt::Key_Z};
        QTest::newRow("ctrl+c") << int{Qt::Key_C};
    }
    void shortcuts_of_the_box_are_refused() {
        QFETCH(int, key);
        Game game;
        QGuiApplication::clipboard()->setText("77");
        if (key == Qt::Key_V && QGuiApplication::clipboard()->text() != QString("77")) {
            QSKIP("no clipboard to paste from: the compositor has no seat");
        }
        QLineEdit* box = game.answerBox();
        QTest::keyClicks(box, "45");
        QTest::keyClick(box, static_cast<Qt::Key>(key), Qt::ControlModifier);
        QCOMPARE(box->text(), QString("45"));
        QVERIFY(!box->hasSelectedText());
    }

    void pasted_text_is_read_by_the_number_rule_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("inBox");
        QTest::addColumn<int>("judgedAs");
        QTest::newRow("stops at a letter") << "12abc"
                                           << "12abc" << 12;
        QTest::newRow("blank between") << "1 2"
                                       << "1 2" << 12;
        QTest::newRow("tie to even") << "2.5"
                                     << "2.5" << 2;
        QTest::newRow("other tie") << "3.5"
                                   << "3.5" << 4;
        QTest::newRow("exponent") << "1E3"
                                  << "1E3" << 1000;
        QTest::newRow("hexadecimal") << "&H10"
                                     << "&H10" << 16;
        QTest::newRow("only six characters") << "1234567"
                                             << "123456" << 123456;
    }
    void pasted_text_is_read_by_the_number_rule() {
        QFETCH(QString, pasted);
        QFETCH(QString, inBox);
        QFETCH(int, judgedAs);
        Game game;
        game.window.state().correctAnswer = judgedAs;
        paste(game, pasted);
        QCOMPARE(game.answerBox()->text(), inBox);
        QTest::keyClick(game.answerBox(), Qt::Key_Return);
        QCOMPARE(game.caption("lblMessage"), QString("Esatto.OK!!!"));
    }

    void a_pasted_number_past_32_bits_is_wrong_and_the_game_goes_on() {
        Game game;
        paste(game, "1E12");
        QCOMPARE(game.answerBox()->text(), QString("1E12"));
        QTest::keyClick(game.answerBox(), Qt::Key_Return);
        QCOMPARE(game.caption("lblMessage"), "Sbagliato!! " + game.rightAnswer());
        QTest::keyClick(game.control("cmdNext"), Qt::Key_Return);
        game.answer(game.rightAnswer());
        QCOMPARE(game.caption("lblScore2"), QString("2"));
    }

    void counters_at_their_limit_stay_there() {
        Game game;
        game.window.state().rightCount = 32767;
        game.window.state().wrongCount = 32767;
        game.answer(game.rightAnswer());
        QCOMPARE(game.caption("lblScore"), QString("32767"));
        QCOMPARE(game.caption("lblScore2"), QString("32767"));
        QTest::keyClick(game.answerBox(), Qt::Key_Return);  // the box still holds the answer
        game.answerBox()->clear();
        game.answer("0");
        QCOMPARE(game.caption("lblScore1"), QString("32767"));
        QCOMPARE(game.window.state().wrongCount, 32767);
    }

    void the_keyboard_alone_plays_the_game() {
        Game game;
        for (int problem = 0; problem < 5; ++problem) {
            QCOMPARE(game.focus(), game.answerBox());
            QTest::keyClicks(game.focus(), game.rightAnswer());
            QTest::keyClick(game.focus(), Qt::Key_Return);
            QCOMPARE(game.focus(), game.control("cmdNext"));
            QTest::keyClick(game.focus(), Qt::Key_Return);
            QCOMPARE(game.answerBox()->text(), QString());
        }
        QCOMPARE(game.caption("lblScore"), QString("5"));
        QTest::keyClicks(game.focus(), game.rightAnswer());
        QTest::keyClick(game.focus(), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(game.caption("lblScore"), QString("6"));
        QTest::keyClick(game.focus(), Qt::Key_Space);
        QCOMPARE(game.focus(), game.answerBox());
    }

    void tab_walks_the_buttons_and_the_box() {
        Game game;
        game.answer(game.rightAnswer());
        QCOMPARE(game.focus(), game.control("cmdNext"));
        QTest::keyClick(game.focus(), Qt::Key_Tab);
        QCOMPARE(game.focus(), game.answerBox());
        QTest::keyClick(game.focus(), Qt::Key_Tab);
        QCOMPARE(game.focus(), game.control("cmdExit"));
        QTest::keyClick(game.focus(), Qt::Key_Tab);
        QCOMPARE(game.focus(), game.control("cmdNext"));
        QTest::keyClick(game.focus(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(game.focus(), game.control("cmdExit"));
        QTest::keyClick(game.focus(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(game.focus(), game.answerBox());
    }

    void alt_n_poses_the_next_problem() {
        Game game;
        QVERIFY(activate(game));  // access keys need an active window
        game.answer(game.rightAnswer());
        QTest::keyClick(game.focus(), Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(game.answerBox()->text(), QString());  // an access key clicks animated
        QVERIFY(!game.control("cmdNext")->isEnabled());
    }

    void the_clock_label_stays_empty_and_nothing_rings() {
        Game game;
        for (int tick = 0; tick < 50; ++tick) {
            game.window.Timer1_Timer();
        }
        QCOMPARE(game.caption("lblTime"), QString());
        QCOMPARE(game.desk.beeper->beeps, 0);
        QVERIFY(game.desk.boxes->shown.empty());
    }

    void the_timer_drives_the_clock() {
        Game game;
        game.window.state().alarmTime = vorlane::TimeOfDay::at(9, 0, 0);
        QTRY_COMPARE(game.desk.beeper->beeps, 1);
    }

    void an_alarm_time_rings_once_through_the_window() {
        Game game;
        game.window.state().alarmTime = vorlane::TimeOfDay::at(10, 0, 0);
        game.desk.clock->now = vorlane::TimeOfDay::at(10, 0, 5);
        game.window.Timer1_Timer();
        game.window.Timer1_Timer();
        QCOMPARE(game.desk.beeper->beeps, 1);
        QCOMPARE(game.desk.boxes->shown.size(), std::size_t{1});
        QCOMPARE(game.desk.boxes->shown[0].text, QString("Sveglia alle 10:00:05"));
        QCOMPARE(game.desk.boxes->shown[0].title, QString("Sveglia"));
        QCOMPARE(game.desk.boxes->shown[0].flags, 0);
    }
};

VORLANE_TEST_MAIN(PlayTest)
#include "test_play.moc"
