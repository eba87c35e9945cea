// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QMenuBar;

namespace vorlane {

// Walks the menu table onto an empty menu bar; every menu and entry is named as in the table.
void buildMenus(QMenuBar& bar);

}  // namespace vorlane
