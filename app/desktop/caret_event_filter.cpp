// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "caret_event_filter.h"

#include <QAccessible>
#include <QWidget>

namespace vorlane {

namespace {

// The handler that was there before, or none when Qt's own bridge to the desktop had the events.
QAccessible::UpdateHandler previousHandler = nullptr;

void passOn(QAccessibleEvent* event);

// Qt hands an event to the desktop's accessibility bridge only while no handler is installed.
void toTheBridge(QAccessibleEvent* event) {
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(passOn);
}

void passOn(QAccessibleEvent* event) {
    if (event->type() == QAccessible::TextCaretMoved) {
        const auto* widget = qobject_cast<const QWidget*>(event->object());
        if (widget != nullptr && !widget->hasFocus()) {
            return;
        }
    }
    (previousHandler != nullptr ? previousHandler : toTheBridge)(event);
}

}  // namespace

void keepCaretEventsToTheFocus() {
    const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(passOn);
    if (previous != passOn) {
        previousHandler = previous;
    }
}

}  // namespace vorlane
