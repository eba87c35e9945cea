// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "table_label.h"

namespace vorlane {

TableLabel::TableLabel(bool sizedToText, QWidget* parent)
    : QLabel(parent), sizedToText_(sizedToText) {
    setTextFormat(Qt::PlainText);
    setIndent(0);  // a framed QLabel would otherwise indent its text by half an "x"
}

void TableLabel::place(const QRect& rect) {
    setGeometry(rect);
    if (alignment() & Qt::AlignRight) {
        anchorTimesTwo_ = 2 * (rect.x() + rect.width());
    } else if (alignment() & Qt::AlignHCenter) {
        anchorTimesTwo_ = 2 * rect.x() + rect.width();
    } else {
        anchorTimesTwo_ = 2 * rect.x();
    }
}

void TableLabel::setCaption(const QString& caption) {
    if (caption == text()) {
        return;
    }
    setText(caption);
    // An empty caption draws nothing: a label never fitted keeps the table's size for it, and
    // its font need not be loaded for it.
    if (fitted_ || !caption.isEmpty()) {
        fitToText();
    }
}

void TableLabel::fitFirstCaption() {
    if (!fitted_ && !text().isEmpty()) {
        fitToText();
    }
}

void TableLabel::fitToText() {
    if (!sizedToText_) {
        return;
    }
    fitted_ = true;
    const QString caption = text();
    const QFontMetrics metrics(font());
    const int frame = 2 * frameWidth();
    const int width = metrics.horizontalAdvance(caption) + frame;
    const int height = metrics.height() + frame;
    int left = anchorTimesTwo_ / 2;
    if (alignment() & Qt::AlignRight) {
        left -= width;
    } else if (alignment() & Qt::AlignHCenter) {
        left = (anchorTimesTwo_ - width) / 2;
    }
    setGeometry(left, y(), width, height);
}

}  // namespace vorlane
