// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game_menu_bar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QStyleOptionMenuItem>

#include <memory>

namespace vorlane {

// The accessibility bridge holds every key until the screen reader has seen it, then posts a
// copy, no longer spontaneous; the copy of an Alt press arms the bar again. The bar, whose filter
// runs before the bridge's, would then take the pupil's release and its late copy as two Alts and
// close as soon as it opened, or not, as the reader's answer came before or after the release.
// The pupil's own release is the one that counts.
bool GameMenuBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease && !event->spontaneous()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Alt || key == Qt::Key_Meta) {
            return false;
        }
    }
    return QMenuBar::eventFilter(watched, event);
}

// Some styles, Fusion among them, highlight a title only while its menu is open: the keyboard
// would be in the bar with nothing on screen to say so.
void GameMenuBar::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
    QMenuBar::initStyleOption(option, action);
    if (option->state.testFlag(QStyle::State_Selected)) {
        option->state |= QStyle::State_Sunken;
    }
}

namespace {

// No title has an access key, so no typed character is the bar's; nor are the keys that undo
// typing. Enter stays the bar's: it opens the menu whose title is lit.
bool editsTheAnswer(const QKeyEvent& event) {
    const int key = event.key();
    return key == Qt::Key_Backspace || key == Qt::Key_Delete ||
           (!event.text().isEmpty() && event.text().front().isPrint());
}

}  // namespace

// A digit typed after a stray Alt belongs to the answer, and so does a correction: the bar gives
// the keyboard back and the key follows it.
void GameMenuBar::keyPressEvent(QKeyEvent* event) {
    QMenuBar::keyPressEvent(event);
    const QAction* title = activeAction();
    const bool menuOpen =
        title != nullptr && title->menu() != nullptr && title->menu()->isVisible();
    if (event->isAccepted() || menuOpen || !editsTheAnswer(*event)) {
        return;
    }
    QKeyEvent leave(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QMenuBar::keyPressEvent(&leave);
    QWidget* owner = QApplication::focusWidget();
    if (owner == nullptr || owner == this) {
        return;
    }
    const std::unique_ptr<QKeyEvent> again(event->clone());
    QCoreApplication::sendEvent(owner, again.get());
    event->accept();
}

}  // namespace vorlane
