// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "art.h"

namespace vorlane {

// Scaled down from the nearest size above, a picture keeps its edges sharp; above the largest
// size drawn, the largest is scaled up.
QImage drawNow(const QString& svg, QSize pixels) {
    const QImage* best = nullptr;
    for (const QImage& image : allPredrawn(svg)) {
        const bool covers = image.width() >= pixels.width() && image.height() >= pixels.height();
        const bool bestCovers =
            best != nullptr && best->width() >= pixels.width() && best->height() >= pixels.height();
        if (best == nullptr || (covers && (!bestCovers || image.width() < best->width())) ||
            (!covers && !bestCovers && image.width() > best->width())) {
            best = &image;
        }
    }
    if (best == nullptr || pixels.isEmpty()) {
        QImage bare(pixels, QImage::Format_ARGB32_Premultiplied);
        bare.fill(Qt::transparent);
        return bare;
    }
    return best->scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace vorlane
