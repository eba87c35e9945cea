// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture.h"

#include <QPainter>

#include <utility>

#include "art.h"

namespace vorlane {

Picture::Picture(QString svg, QWidget* parent) : QFrame(parent), svg_(std::move(svg)) {}

void Picture::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    const QRect area = contentsRect();
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(area.size()) * ratio).toSize();
    if (drawn_.size() != pixels) {
        // Shared with the drawings the program carries, not copied.
        drawn_ = artImage(svg_, pixels);
        drawn_.setDevicePixelRatio(ratio);
    }
    QPainter painter(this);
    painter.drawImage(area.topLeft(), drawn_);
}

}  // namespace vorlane
