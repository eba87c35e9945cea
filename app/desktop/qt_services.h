// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>

#include "platform.h"

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

}  // namespace vorlane
