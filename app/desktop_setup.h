// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QApplication;

namespace vorlane {

// Readies the application before any widget exists: Qt's own texts in Italian, one look on
// every desktop, the program's icon, and a screen reader told of the caret where the focus is.
// Returns false when Qt's Italian translation was not found in the folder; the game's own
// texts are Italian all the same.
bool prepareDesktop(QApplication& app, const QString& translations = {});

}  // namespace vorlane
