// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>

#include "csv_record.h"
#include "platform.h"
#include "screen_reader_news.h"

namespace vorlane {

// What Qt gives alike on every system.
class QtBeeper final : public Beeper {
  public:
    void beep() override { QApplication::beep(); }
};

class QtProgramEnd final : public ProgramEnd {
  public:
    void endProgram() override { QCoreApplication::exit(0); }
};

// What every system's platform takes alike: Qt's own services, the screen reader's news, and
// what the teacher's options ask beyond the voice.
inline void addCommonServices(Platform& platform, const GameOptions& options) {
    platform.beeper = std::make_unique<QtBeeper>();
    platform.end = std::make_unique<QtProgramEnd>();
    platform.screenReader = screenReaderNews();
    platform.problems = options.problems;
    if (options.record) {
        platform.record = csvRecord();
    }
}

}  // namespace vorlane
