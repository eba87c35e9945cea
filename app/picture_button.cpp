#include "picture_button.h"

#include <QKeyEvent>

#include "art.h"

namespace vorlane {

namespace {

constexpr QSize kPictureSize(32, 32);

}  // namespace

PictureButton::PictureButton(const QString& normal, const QString& pressed, const QString& disabled,
                             QWidget* parent)
    : QToolButton(parent),
      normal_(artIcon(normal, disabled)),
      pressed_(artIcon(pressed, disabled)) {
    setIcon(normal_);
    setIconSize(kPictureSize);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::ArrowCursor);
    connect(this, &QToolButton::pressed, this, [this] { setIcon(pressed_); });
    connect(this, &QToolButton::released, this, [this] { setIcon(normal_); });
}

void PictureButton::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
        return;
    }
    // A button would pass the focus on to the next one, as Tab does: Left on "Nuovo calcolo"
    // would reach "Exit", where Enter asks to end the game.
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            event->ignore();
            return;
        default:
            QToolButton::keyPressEvent(event);
    }
}

}  // namespace vorlane
