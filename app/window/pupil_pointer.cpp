// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pupil_pointer.h"

#include <QPixmap>

#include <cmath>

#include "art.h"
#include "controls.h"
#include "utf8_text.h"

namespace vorlane {

namespace {

constexpr int kSize = 32;
// The tip of the helmet's peak, where a pupil expects the pointer to point.
constexpr QPoint kHotSpot(1, 1);

}  // namespace

QCursor pupilPointer(qreal devicePixelRatio) {
    const auto side = static_cast<int>(std::ceil(kSize * devicePixelRatio));
    QPixmap picture = QPixmap::fromImage(artImage(uiText(ui::kPointer), QSize(side, side)));
    picture.setDevicePixelRatio(devicePixelRatio);
    return QCursor(picture, kHotSpot.x(), kHotSpot.y());
}

}  // namespace vorlane
