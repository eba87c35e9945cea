// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture_button.h"

#include <qdrawutil.h>
#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStyleOptionToolButton>
#include <QStylePainter>

#include "art.h"

namespace vorlane {

namespace {

constexpr QSize kPictureSize(32, 32);
constexpr int kFrame = 2;     // the width of the three-dimensional frame
constexpr int kFocusGap = 2;  // between the frame and the focus rectangle

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

// Styles draw a tool button's face in their own shades, a gradient under Fusion, and some only
// while the pointer is over it: the face is drawn here, the picture and the caption by the style.
void PictureButton::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    const QBrush face = palette().brush(QPalette::Button);
    qDrawWinButton(&painter, rect(), palette(), isDown(), &face);

    QStyleOptionToolButton option;
    initStyleOption(&option);
    option.rect = rect().adjusted(kFrame, kFrame, -kFrame, -kFrame);
    option.state &= ~(QStyle::State_Sunken | QStyle::State_Raised | QStyle::State_MouseOver);
    painter.drawControl(QStyle::CE_ToolButtonLabel, option);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        const int inset = kFrame + kFocusGap;
        focus.rect = rect().adjusted(inset, inset, -inset, -inset);
        focus.backgroundColor = face.color();
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

}  // namespace vorlane
