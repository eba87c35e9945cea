// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <deque>
#include <functional>
#include <vector>

#include "platform.h"

namespace vorlane {

// Desktop services that tests script and watch, so that no test waits on a modal box or
// starts a real program.

class ScriptedBoxes final : public MessageBoxes {
  public:
    struct Shown {
        QString text;
        int flags;
        QString title;
    };
    // The answers to give, in order; once they run out every box takes its default button,
    // as if the pupil pressed Enter.
    std::deque<int> answers;
    std::vector<Shown> shown;
    // Runs while a box is open, as the nested event loop of a real box would.
    std::function<void()> whileOpen;

    using MessageBoxes::show;
    int show(const QString& text, int flags, const QString& title) override;
};

class ScriptedStarter final : public ProgramStarter {
  public:
    QSet<QString> installed;  // names found on the search path, at /usr/bin
    QSet<QString> refusing;   // installed, but fail to start
    QStringList started;      // the paths started, in order; each closes at once, with success

    QString find(const QString& name) override;
    bool start(const QString& path) override;
    bool running() override { return false; }
};

class ScriptedClock final : public DesktopClock {
  public:
    TimeOfDay now = TimeOfDay::at(10, 0, 0);
    std::uint64_t tick = 1;

    TimeOfDay timeOfDay() override { return now; }
    std::uint64_t ticks() override { return tick++; }
};

class ScriptedBeeper final : public Beeper {
  public:
    int beeps = 0;
    void beep() override { ++beeps; }
};

class ScriptedEnd final : public ProgramEnd {
  public:
    int ends = 0;
    void endProgram() override { ++ends; }
};

class ScriptedVoice final : public Voice {
  public:
    // The last utterances, enough for any test: a soak of thousands of problems would
    // otherwise count the record as the game's own growth.
    QStringList said;
    void say(const QString& text) override {
        said << text;
        if (said.size() > 16) {
            said.removeFirst();
        }
    }
};

// What a screen reader was last told, as the voice's utterances, each text after the control
// that held it and "!" for a text that may cut in: "txtAnswer: …", "cmdNext!: …".
class ScriptedScreenReader final : public ScreenReaderNews {
  public:
    QStringList told;
    void tell(QWidget& holder, const QString& text, Urgency urgency) override {
        told << holder.objectName() + (urgency == Urgency::Assertive ? "!: " : ": ") + text;
        if (told.size() > 16) {
            told.removeFirst();
        }
    }
};

class ScriptedContrast final : public DesktopContrast {
  public:
    // The desktop's new wish, which the window follows at once.
    void set(bool high);
    bool high() override { return high_; }
    void follow(std::function<void(bool)> changed) override { changed_ = std::move(changed); }

  private:
    bool high_ = false;
    std::function<void(bool)> changed_;
};

// A whole scripted desktop, with the pointers kept so that a test can watch it once the
// window owns the services.
struct ScriptedDesktop {
    ScriptedBoxes* boxes = nullptr;
    ScriptedStarter* starter = nullptr;
    ScriptedClock* clock = nullptr;
    ScriptedBeeper* beeper = nullptr;
    ScriptedEnd* end = nullptr;
    ScriptedVoice* voice = nullptr;
    ScriptedScreenReader* screenReader = nullptr;
    ScriptedContrast* contrast = nullptr;
    Platform platform;

    // A random source of the test's own, or one seeded from the scripted clock.
    explicit ScriptedDesktop(std::unique_ptr<RandomSource> random = {});
};

}  // namespace vorlane
