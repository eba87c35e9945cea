// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstdint>
#include <memory>

#include "message_boxes.h"
#include "problem.h"
#include "random_source.h"
#include "record_row.h"
#include "screen_reader_news.h"
#include "time_of_day.h"
#include "voice.h"

class QWidget;

namespace vorlane {

class ProgramStarter {
  public:
    virtual ~ProgramStarter() = default;
    // The program's path on the search path, or empty.
    virtual QString find(const QString& name) = 0;
    // Starts it with no argument and no shell, its output thrown away, without waiting for it
    // and without tying it to the game; false if it did not start.
    virtual bool start(const QString& path) = 0;
    // Whether the program last started still runs.
    virtual bool running() = 0;
};

class DesktopClock {
  public:
    virtual ~DesktopClock() = default;
    virtual TimeOfDay timeOfDay() = 0;
    // What the random source reseeds from: a reading that changes at every call.
    virtual std::uint64_t ticks() = 0;
};

class Beeper {
  public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
};

class ProgramEnd {
  public:
    virtual ~ProgramEnd() = default;
    virtual void endProgram() = 0;
};

// The desktop's wish for high contrast, which may come after the window shows and change while
// the game runs.
class DesktopContrast {
  public:
    virtual ~DesktopContrast() = default;
    // As last heard: false until the desktop has said otherwise.
    virtual bool high() = 0;
    // Runs, from the event loop, with each new wish of the desktop's.
    virtual void follow(std::function<void(bool high)> changed) = 0;
};

// The pupil's record of judged answers, where a teacher can read it.
class AnswerRecord {
  public:
    virtual ~AnswerRecord() = default;
    // Adds the answer, whole, before it returns; false when it could not.
    virtual bool keep(const AnsweredProblem& answer) = 0;
};

// What the command line and the school's settings ask of the game.
struct GameOptions {
    bool aloud = false;
    ProblemChoice problems = allProblems();
    bool record = false;
};

// Everything the window asks of the desktop.
struct Platform {
    std::unique_ptr<MessageBoxes> boxes;
    std::unique_ptr<ProgramStarter> starter;
    std::unique_ptr<DesktopClock> clock;
    std::unique_ptr<Beeper> beeper;
    std::unique_ptr<ProgramEnd> end;
    // Made from the clock when empty.
    std::unique_ptr<RandomSource> random;
    // Where the desktop asks for high contrast, the texts take darker shades of their colours.
    std::unique_ptr<DesktopContrast> contrast;
    // Empty when the game plays silently.
    std::unique_ptr<Voice> voice;
    // The problem types the draw may give.
    ProblemChoice problems = allProblems();
    // Empty unless a teacher asked for the record.
    std::unique_ptr<AnswerRecord> record;
    std::unique_ptr<ScreenReaderNews> screenReader;
};

// The real desktop, through Qt; its message boxes lie on the given window; with the game's own
// voice, the problems chosen and the pupil's record as the options ask.
Platform desktopPlatform(QWidget* window = nullptr, const GameOptions& options = {});

}  // namespace vorlane
