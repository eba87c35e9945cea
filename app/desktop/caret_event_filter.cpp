#include "caret_event_filter.h"

#include <QAccessible>
#include <QWidget>

namespace vorlane {

namespace {

void passOn(QAccessibleEvent* event) {
    if (event->type() == QAccessible::TextCaretMoved) {
        const auto* widget = qobject_cast<const QWidget*>(event->object());
        if (widget != nullptr && !widget->hasFocus()) {
            return;
        }
    }
    // With no handler installed, Qt hands the event to the desktop's accessibility bridge.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(passOn);
}

}  // namespace

void keepCaretEventsToTheFocus() {
    QAccessible::installUpdateHandler(passOn);
}

}  // namespace vorlane
