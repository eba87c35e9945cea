// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QPainter>
#include <QSvgRenderer>

#include "art.h"

namespace vorlane {

QImage drawSvg(const QString& svg, QSize pixels) {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        QSvgRenderer(svg).render(&painter);
    }
    return image;
}

QImage drawNow(const QString& svg, QSize pixels) {
    return drawSvg(svg, pixels);
}

}  // namespace vorlane
