// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "menu_builder.h"

#include <QMenuBar>

#include "menus.h"
#include "utf8_text.h"

namespace vorlane {

void buildMenus(QMenuBar& bar) {
    for (const ui::MenuSpec& spec : ui::menus()) {
        if (spec.entries.empty()) {
            QAction* command = bar.addAction(uiText(spec.caption));
            command->setObjectName(uiText(spec.name));
            continue;
        }
        QMenu* menu = bar.addMenu(uiText(spec.caption));
        menu->setObjectName(uiText(spec.name));
        for (const ui::MenuEntry& entry : spec.entries) {
            menu->addAction(uiText(entry.caption))->setObjectName(uiText(entry.name));
        }
    }
}

}  // namespace vorlane
