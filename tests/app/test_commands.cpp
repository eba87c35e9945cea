// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QDateTime>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTimer>

#include <linux/sched.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

#include "game.h"

namespace {

QStringList texts(const vorlane::ScriptedBoxes& boxes) {
    QStringList texts;
    for (const auto& shown : boxes.shown) {
        texts << shown.text;
    }
    return texts;
}

// A process that takes the given number, free again, as one started on a busy desktop may.
pid_t takeNumber(pid_t number) {
    clone_args args{};
    args.exit_signal = SIGCHLD;
    args.set_tid = reinterpret_cast<std::uintptr_t>(&number);
    args.set_tid_size = 1;
    const auto pid = static_cast<pid_t>(::syscall(SYS_clone3, &args, sizeof args));
    if (pid == 0) {
        ::sleep(30);
        ::_exit(0);
    }
    return pid;
}

}  // namespace

class CommandsTest : public QObject {
    Q_OBJECT

  private slots:
    void exit_asks_first_and_no_changes_nothing_data() {
        QTest::addColumn<bool>("pressEnter");
        QTest::newRow("No pressed") << false;
        QTest::newRow("Enter takes the default, No") << true;
    }
    void exit_asks_first_and_no_changes_nothing() {
        QFETCH(bool, pressEnter);
        Game game;
        game.answer("1");
        const int answer = game.window.state().correctAnswer;
        const QString verdict = game.caption("lblMessage");
        if (!pressEnter) {
            game.desk.boxes->answers = {vorlane::kNo};
        }
        game.window.findChild<QAbstractButton*>("cmdExit")->click();
        QCOMPARE(game.desk.boxes->shown.size(), std::size_t{1});
        const auto& asked = game.desk.boxes->shown.front();
        QCOMPARE(asked.text, QString("Vuoi veramente lasciarmi  ?"));
        QCOMPARE(asked.title, QString("Uscire dal programma"));
        QCOMPARE(asked.flags, 0x124);
        QCOMPARE(game.desk.end->ends, 0);
        QVERIFY(game.window.isVisible());
        QCOMPARE(game.window.state().correctAnswer, answer);
        QCOMPARE(game.caption("lblMessage"), verdict);
        QCOMPARE(game.caption("lblScore1"), QString("1"));
        QCOMPARE(game.answerBox()->text(), QString("1"));
    }

    void exit_with_yes_says_goodbye_then_ends() {
        Game game;
        game.desk.boxes->answers = {vorlane::kYes};
        int endsWhileFarewellOpen = -1;
        game.desk.boxes->whileOpen = [&game, &endsWhileFarewellOpen] {
            if (game.desk.boxes->shown.size() == 2) {
                endsWhileFarewellOpen = game.desk.end->ends;
            }
        };
        game.window.cmdExit_Click();
        QCOMPARE(game.desk.boxes->shown.size(), std::size_t{2});
        const auto& farewell = game.desk.boxes->shown.back();
        QCOMPARE(farewell.text, QString("Ciao a presto "));
        QCOMPARE(farewell.title, QString("Vorlane"));
        QCOMPARE(farewell.flags, 0);
        QCOMPARE(endsWhileFarewellOpen, 0);
        QCOMPARE(game.desk.end->ends, 1);
        QVERIFY(!game.window.isVisible());
        QVERIFY(!game.window.findChild<QTimer*>("Timer1")->isActive());
    }

    void arrow_keys_leave_the_focus_on_the_button_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Left") << int{Qt::Key_Left};
        QTest::newRow("Right") << int{Qt::Key_Right};
        QTest::newRow("Up") << int{Qt::Key_Up};
        QTest::newRow("Down") << int{Qt::Key_Down};
    }
    void arrow_keys_leave_the_focus_on_the_button() {
        QFETCH(int, key);
        Game game;
        game.answer("1");
        QTest::keyClick(game.focus(), static_cast<Qt::Key>(key));
        QTest::keyClick(game.focus(), Qt::Key_Return);  // "Nuovo calcolo", not "Exit"
        QVERIFY(game.desk.boxes->shown.empty());
        QVERIFY(!game.control("cmdNext")->isEnabled());
    }

    // The pupil's Alt, then a screen reader's late copies of its press and release, which come
    // no longer from the keyboard: the bar keeps the keyboard on its first title.
    void a_screen_readers_copy_of_alt_leaves_the_bar_lit() {
        Game game;
        QVERIFY(QTest::qWaitForWindowActive(&game.window));
        QTest::keyPress(game.focus(), Qt::Key_Alt, Qt::AltModifier);
        QTest::keyRelease(game.focus(), Qt::Key_Alt, Qt::AltModifier);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::AltModifier);
        QApplication::sendEvent(game.answerBox(), &press);
        QApplication::sendEvent(game.focus(), &release);
        QMenuBar* bar = game.window.menuBar();
        QCOMPARE(bar->activeAction(), bar->actions().front());
    }

    void a_new_problem_cannot_undo_back_the_last_answer() {
        Game game;
        game.answer("12");
        game.control<QAbstractButton>("cmdNext")->click();
        game.answerBox()->undo();
        QCOMPARE(game.answerBox()->text(), QString());
        QVERIFY(!game.answerBox()->isUndoAvailable());
    }

    void closing_the_frame_asks_nothing() {
        Game game;
        QVERIFY(game.window.close());
        QVERIFY(game.desk.boxes->shown.empty());
        QVERIFY(!game.window.isVisible());
    }

    void a_new_game_starts_from_the_design() {
        Game game(scripted(drawsFor(4, 3, 2, 9)));
        game.answer(game.rightAnswer());
        game.answer("0");
        const QPoint place = game.window.pos();
        const QSize size = game.window.size();
        game.window.move(place + QPoint(40, 30));
        game.window.resize(size + QSize(100, 50));
        const std::int16_t family = game.window.state().tripleFamily;
        const std::int16_t type = game.window.state().problemType;
        game.window.state().alarmTime = vorlane::TimeOfDay::at(6, 0, 0);

        game.reload();

        QCOMPARE(game.caption("lblScore"), QString("0"));
        QCOMPARE(game.caption("lblScore1"), QString("0"));
        QCOMPARE(game.caption("lblScore2"), QString("0"));
        QCOMPARE(game.caption("lblMessage"), QString());
        QCOMPARE(game.answerBox()->text(), QString());
        QVERIFY(!game.control("cmdNext")->isEnabled());
        QCOMPARE(game.focus(), game.answerBox());
        QCOMPARE(game.window.pos(), place);
        QCOMPARE(game.window.size(), size);
        QCOMPARE(game.window.windowTitle(), QString("VORLANE QUADRANGOLARE REGOLARE"));
        QVERIFY(game.window.isVisible());
        QVERIFY(game.window.findChild<QTimer*>("Timer1")->isActive());
        QVERIFY(std::get<std::string>(game.window.state().alarmTime).empty());
        QCOMPARE(game.window.findChildren<QMenuBar*>().size(), 1);
        QCOMPARE(game.window.state().tripleFamily, family);
        QCOMPARE(game.window.state().problemType, type);
    }

    void the_reload_reseeds_from_the_last_problem() {
        auto owned = std::make_unique<vorlane::ScriptedRandom>(drawsFor(4, 3, 2, 9));
        vorlane::ScriptedRandom* random = owned.get();
        Game game(std::move(owned));
        game.reload();
        std::vector<std::int32_t> reseeds;
        for (const auto& call : random->calls()) {
            if (call.call == vorlane::ScriptedRandom::Call::ReseedWith) {
                reseeds.push_back(call.number);
            }
        }
        // First problem: from 0, 0 and 0; after the reload: family 3, k 6, type 9.
        QVERIFY((reseeds == std::vector<std::int32_t>{0, 0, 0, 3, 6, 9}));
    }

    void a_hundred_reloads_leave_no_objects_behind() {
        Game game;
        game.reload();
        const int objects = game.liveObjects();
        const auto windows = QApplication::topLevelWidgets().size();
        for (int reload = 0; reload < 100; ++reload) {
            game.reload();
        }
        QCOMPARE(game.liveObjects(), objects);
        QCOMPARE(QApplication::topLevelWidgets().size(), windows);
    }

    void the_calculator_is_the_first_one_found_data() {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QStringList>("refusing");
        QTest::addColumn<QString>("started");
        QTest::newRow("calc.exe comes first")
            << QStringList{"xcalc", "calc.exe"} << QStringList{} << "/usr/bin/calc.exe";
        QTest::newRow("the desktop's own") << QStringList{"kcalc", "gnome-calculator"}
                                           << QStringList{} << "/usr/bin/gnome-calculator";
        QTest::newRow("one that fails is passed over")
            << QStringList{"gnome-calculator", "galculator"} << QStringList{"gnome-calculator"}
            << "/usr/bin/galculator";
    }
    void the_calculator_is_the_first_one_found() {
        QFETCH(QStringList, installed);
        QFETCH(QStringList, refusing);
        QFETCH(QString, started);
        Game game;
        game.desk.starter->installed = QSet<QString>(installed.begin(), installed.end());
        game.desk.starter->refusing = QSet<QString>(refusing.begin(), refusing.end());
        const QString title = game.caption("Label5");
        const int answer = game.window.state().correctAnswer;
        game.trigger("calc");
        QCOMPARE(game.desk.starter->started, QStringList{started});
        QVERIFY(game.desk.boxes->shown.empty());
        QCOMPARE(game.caption("Label5"), title);
        QCOMPARE(game.window.state().correctAnswer, answer);
    }

    // Stand-in calculators on a search path of two folders, each saying where its output goes;
    // whether it still runs once the game has ended; for a second press, whether the test, as the
    // desktop that reaps the ended calculator, has reaped the first yet.
    void the_real_starter_runs_one_calculator_and_watches_it_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("body");
        QTest::addColumn<int>("presses");
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("outlivesTheGame");
        QTest::addColumn<QString>("between");
        const QString open = "La calcolatrice è già aperta: cercala tra le finestre del desktop.";
        QTest::newRow("one at a time, and it outlives the game")
            << "calc.exe"
            << "exec sleep 30" << 2 << open << true << "";
        QTest::newRow("floods its output") << "gnome-calculator"
                                           << "seq 200000" << 1 << "" << false << "";
        QTest::newRow("mate-calc") << "mate-calc"
                                   << "exit 0" << 1 << "" << false << "";
        QTest::newRow("galculator") << "galculator"
                                    << "exit 0" << 1 << "" << false << "";
        QTest::newRow("qalculate-gtk") << "qalculate-gtk"
                                       << "exit 0" << 1 << "" << false << "";
        QTest::newRow("xcalc") << "xcalc"
                               << "exit 0" << 1 << "" << false << "";
        QTest::newRow("ended, not yet reaped")
            << "kcalc"
            << "exec sleep 0.1" << 2 << "" << false << "not reaped";
        QTest::newRow("reaped, its number taken")
            << "kcalc"
            << "exec sleep 0.1" << 2 << "" << false << "reaped";
    }
    void the_real_starter_runs_one_calculator_and_watches_it() {
        QFETCH(QString, name);
        QFETCH(QString, body);
        QFETCH(int, presses);
        QFETCH(QString, box);
        QFETCH(bool, outlivesTheGame);
        QFETCH(QString, between);
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkpath("first") && QDir(folder.path()).mkpath("second"));
        QFile script(folder.filePath("second/" + name));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QString("#!/bin/sh\nPATH=/usr/bin:/bin\necho $$ $PPID >>'%1'\nout=$(readlink "
                             "/proc/$$/fd/1 /proc/$$/fd/2)\necho \"$out\" >>'%2'\n%3\n")
                         .arg(folder.filePath("pids"), folder.filePath("log"), body)
                         .toUtf8());
        script.close();
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", (folder.filePath("first") + ':' + folder.filePath("second")).toUtf8());
        vorlane::ScriptedDesktop desk;
        desk.platform.starter = std::move(vorlane::desktopPlatform().starter);
        auto window = std::make_unique<vorlane::Tavola>(std::move(desk.platform));
        QFile log(folder.filePath("log"));
        const auto first = [&folder] {
            QFile pids(folder.filePath("pids"));
            return pids.open(QIODevice::ReadOnly) ? pids.readLine().trimmed().split(' ')
                                                  : QList<QByteArray>{"0", "0"};
        };
        pid_t impostor = 0;
        const auto tidy = qScopeGuard([&impostor] {
            ::prctl(PR_SET_CHILD_SUBREAPER, 0);
            if (impostor > 0) {
                ::kill(impostor, SIGKILL);
                ::waitpid(impostor, nullptr, 0);
            }
        });
        QCOMPARE(::prctl(PR_SET_CHILD_SUBREAPER, between.isEmpty() ? 0 : 1), 0);
        for (int press = 0; press < presses; ++press) {
            if (press > 0 && !between.isEmpty()) {
                const auto pid = static_cast<pid_t>(first().front().toLongLong());
                siginfo_t ended{};
                const int reaped = between == "reaped" ? 0 : WNOWAIT;
                QCOMPARE(::waitid(P_PID, static_cast<id_t>(pid), &ended, WEXITED | reaped), 0);
                if (reaped == 0) {
                    impostor = takeNumber(pid);
                    QVERIFY2(impostor == pid, std::strerror(errno));
                }
            }
            const qint64 logged = log.size();
            window->calc_Click();
            QTRY_VERIFY(log.size() > logged || !texts(*desk.boxes).isEmpty());
        }
        QTest::qWait(300);  // for a second calculator that should not start
        qputenv("PATH", path);
        QVERIFY(log.open(QIODevice::ReadOnly));
        QCOMPARE(QString(log.readAll()),
                 QString("/dev/null\n/dev/null\n").repeated(box.isEmpty() ? presses : 1));
        QStringList shown;
        QTRY_COMPARE((shown = texts(*desk.boxes)),
                     box.isEmpty() ? QStringList{} : QStringList{box});

        window.reset();
        const QList<QByteArray> ids = first();
        const qint64 pid = ids.front().toLongLong();
        QVERIFY2(
            !between.isEmpty() || ids.back().toLongLong() != QCoreApplication::applicationPid(),
            "the calculator is the game's child");
        QTest::qWait(300);  // for the game's end to reach it
        QFile stat(QString("/proc/%1/stat").arg(pid));
        const bool alive = stat.open(QIODevice::ReadOnly) && !stat.readAll().contains(") Z ");
        if (outlivesTheGame) {
            QVERIFY2(alive, "the calculator ended with the game");
            ::kill(static_cast<pid_t>(pid), SIGTERM);
        }
    }

    void no_calculator_is_said_in_italian() {
        Game game;
        const int answer = game.window.state().correctAnswer;
        game.trigger("calc");
        QVERIFY(game.desk.starter->started.isEmpty());
        QCOMPARE(game.desk.boxes->shown.size(), std::size_t{1});
        QCOMPARE(game.desk.boxes->shown[0].text,
                 "Non trovo una calcolatrice su questo computer: chiedi all'insegnante.");
        QCOMPARE(game.desk.boxes->shown[0].flags, 0 + 64);  // OK alone, the information icon
        QCOMPARE(game.desk.boxes->shown[0].title, QString("Vorlane"));
        QCOMPARE(game.window.state().correctAnswer, answer);
        QCOMPARE(game.focus(), game.answerBox());
    }

    void the_caption_loses_its_blanks_only_in_the_normal_state_data() {
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("stripped");
        QTest::newRow("normal") << int{Qt::WindowNoState} << true;
        QTest::newRow("minimised") << int{Qt::WindowMinimized} << false;
        QTest::newRow("maximised") << int{Qt::WindowMaximized} << false;
    }
    void the_caption_loses_its_blanks_only_in_the_normal_state() {
        QFETCH(int, state);
        QFETCH(bool, stripped);
        Game game;
        const QString title = "VORLANE QUADRANGOLARE REGOLARE";
        const QString blanks = QString(79, ' ') + title;
        game.window.setWindowTitle(blanks);
        game.window.setWindowState(static_cast<Qt::WindowState>(state));
        game.window.Form_Resize();
        QCOMPARE(game.window.windowTitle(), stripped ? title : blanks);
        game.window.setWindowState(Qt::WindowNoState);  // restored: a resize in the normal state
        QCOMPARE(game.window.windowTitle(), title);
    }

    void coming_back_to_the_window_poses_no_problem() {
        Game game;
        QTest::keyClicks(game.answerBox(), "7");
        const int answer = game.window.state().correctAnswer;
        QEvent deactivate(QEvent::WindowDeactivate);
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&game.window, &deactivate);
        QApplication::sendEvent(&game.window, &activate);
        game.window.hide();  // minimised to the taskbar and back
        game.window.show();
        QCOMPARE(game.answerBox()->text(), QString("7"));
        QCOMPARE(game.window.state().correctAnswer, answer);
    }

    void a_resize_poses_no_problem() {
        Game game;
        const int answer = game.window.state().correctAnswer;
        QTest::keyClicks(game.answerBox(), "12");
        game.window.showMaximized();
        game.window.showNormal();
        game.window.resize(900, 700);
        QCOMPARE(game.answerBox()->text(), QString("12"));
        QCOMPARE(game.window.state().correctAnswer, answer);
    }

    // Zones without summer time, their offsets east of UTC worked out from the zone names:
    // India +5:30, Nepal +5:45, the Line Islands +14, the Marquesas -9:30.
    void the_desktop_clock_tells_the_local_time_data() {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<int>("offset");
        QTest::newRow("UTC") << QByteArray("UTC") << 0;
        QTest::newRow("half an hour east") << QByteArray("Asia/Kolkata") << 19800;
        QTest::newRow("three quarters east") << QByteArray("Asia/Kathmandu") << 20700;
        QTest::newRow("past midnight in UTC") << QByteArray("Pacific/Kiritimati") << 50400;
        QTest::newRow("half an hour west") << QByteArray("Pacific/Marquesas") << -34200;
    }

    void the_desktop_clock_tells_the_local_time() {
        QFETCH(QByteArray, zone);
        QFETCH(int, offset);
        const QByteArray saved = qgetenv("TZ");
        qputenv("TZ", zone);
        const auto localNow = [offset] {
            constexpr qint64 kDay = 86400;
            return static_cast<int>(((QDateTime::currentSecsSinceEpoch() + offset) % kDay + kDay) %
                                    kDay);
        };
        const int before = localNow();
        const int read = vorlane::desktopPlatform().clock->timeOfDay().secondsSinceMidnight;
        const int after = localNow();
        qputenv("TZ", saved);
        // A second may turn between the readings; midnight may too.
        QVERIFY2(read == before || read == after, qPrintable(QString::number(read)));
    }

    // The real message box, closed by a timer as the pupil would close it.
    void the_desktop_box_reads_in_italian_and_defaults_to_no() {
        std::unique_ptr<vorlane::MessageBoxes> boxes = std::move(vorlane::desktopPlatform().boxes);
        QStringList captions;
        QString title;
        closeNextBox(Qt::Key_Return, [&captions, &title](QMessageBox& box) {
            for (QAbstractButton* button : box.buttons()) {
                captions << button->text();
            }
            title = box.windowTitle();
            QCOMPARE(box.icon(), QMessageBox::Question);
        });
        const int answer =
            boxes->show("Vuoi veramente lasciarmi  ?", 0x124, "Uscire dal programma");
        QCOMPARE(answer, int{vorlane::kNo});
        captions.sort();
        QCOMPARE(captions, (QStringList{"No", "Sì"}));
        QCOMPARE(title, QString("Uscire dal programma"));

        closeNextBox(Qt::Key_Return, [](QMessageBox& box) {
            QCOMPARE(box.buttons().size(), 1);
            QCOMPARE(box.buttons().front()->text(), QString("OK"));
            QCOMPARE(box.windowTitle(), QString("Vorlane"));
        });
        QCOMPARE(boxes->show("Ciao a presto ", 0), int{vorlane::kOk});
    }

    // The icon the real box shows for each icon of the flag word, 64 among them.
    void the_desktop_box_shows_the_flag_words_icon_data() {
        QTest::addColumn<int>("flags");
        QTest::addColumn<QMessageBox::Icon>("icon");
        QTest::newRow("none") << 0 << QMessageBox::NoIcon;
        QTest::newRow("16, stop") << 16 << QMessageBox::Critical;
        QTest::newRow("32, question") << 32 << QMessageBox::Question;
        QTest::newRow("48, exclamation") << 48 << QMessageBox::Warning;
        QTest::newRow("64, information") << 64 << QMessageBox::Information;
    }
    void the_desktop_box_shows_the_flag_words_icon() {
        QFETCH(int, flags);
        QFETCH(QMessageBox::Icon, icon);
        std::unique_ptr<vorlane::MessageBoxes> boxes = std::move(vorlane::desktopPlatform().boxes);
        QMessageBox::Icon shown = QMessageBox::NoIcon;
        bool drawn = false;
        closeNextBox(Qt::Key_Return, [&shown, &drawn](QMessageBox& box) {
            shown = box.icon();
            drawn = !box.iconPixmap().isNull();
        });
        QCOMPARE(boxes->show("Calcolatrice non trovata", flags, "Vorlane"), int{vorlane::kOk});
        QCOMPARE(shown, icon);
        QCOMPARE(drawn, icon != QMessageBox::NoIcon);
    }

    void qt_speaks_italian_in_the_answer_box() {
        Game game;
        std::unique_ptr<QMenu> menu(game.answerBox()->createStandardContextMenu());
        QStringList entries;
        for (QAction* action : menu->actions()) {
            entries << action->text();
        }
        QVERIFY2(entries.join('|').contains("Incolla"), qPrintable(entries.join('|')));
    }
};

VORLANE_TEST_MAIN(CommandsTest)
#include "test_commands.moc"
