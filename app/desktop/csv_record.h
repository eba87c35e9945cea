// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <memory>

#include "platform.h"

namespace vorlane {

// The pupil's record: registro.csv in the program's data folder of the pupil's account, readable
// by the pupil alone. Each answer is one line, written whole under a lock and handed to the
// system before keep() returns, so that a game ended at any moment, or two games at once, leave
// every line whole. A line torn by a power cut is moved to registro-righe-rotte.txt beside it on
// the first answer after. The first failure to write prints one line on the standard error.
std::unique_ptr<AnswerRecord> csvRecord(const QString& folder = {});

}  // namespace vorlane
