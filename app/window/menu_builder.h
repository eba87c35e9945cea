#pragma once

class QMenuBar;

namespace vorlane {

// Walks the menu table onto an empty menu bar; every menu and entry is named as in the table.
void buildMenus(QMenuBar& bar);

}  // namespace vorlane
