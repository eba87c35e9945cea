// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "answer_box.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>
#include <cmath>

namespace vorlane {

namespace {

// Qt keeps a line edit's text this far inside its contents, on either side.
constexpr int kTextInset = 2;
// Narrower digits no longer read as digits; a pasted text that would need them stays cut.
constexpr int kNarrowestStretch = 50;
constexpr int kFullStretch = 100;

}  // namespace

AnswerBox::AnswerBox(QWidget* form) : QLineEdit(form) {
    form->installEventFilter(this);
    connect(this, &QLineEdit::textChanged, this, &AnswerBox::fitText);
}

bool AnswerBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::Resize) {
        fitText();
    }
    return QLineEdit::eventFilter(watched, event);
}

void AnswerBox::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        fitText();
    }
}

void AnswerBox::moveEvent(QMoveEvent* event) {
    QLineEdit::moveEvent(event);
    fitText();
}

void AnswerBox::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    fitText();
}

// The width the text and the caret may take: the box's own, less the part beyond the window's
// edge, so that the text ends as far inside the edge as it would inside the box's right side.
int AnswerBox::widthInSight() {
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents =
        style()->subElementRect(QStyle::SE_LineEditContents, &option, this) - textMargins();
    const int hidden = std::max(0, x() + width() - parentWidget()->width());
    return contents.width() - 2 * kTextInset - hidden;
}

void AnswerBox::fitText() {
    const int room =
        widthInSight() - style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this);
    QFont fitted = font();
    fitted.setStretch(QFont::AnyStretch);  // the design's own width
    const auto fits = [&] {
        return std::ceil(QFontMetricsF(fitted, this).horizontalAdvance(text())) <= room;
    };
    for (int stretch = kFullStretch - 1; !fits() && stretch >= kNarrowestStretch; --stretch) {
        fitted.setStretch(stretch);
    }
    if (fitted != font()) {
        setFont(fitted);
    }
}

}  // namespace vorlane
