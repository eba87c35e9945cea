// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace vorlane {

// Walks the control table onto an empty form, bottom row first so that the first row ends on
// top, and sets the tab order. Each text keeps its design colour for showShades().
void buildControls(QWidget& form);

}  // namespace vorlane
