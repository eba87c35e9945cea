#include "pupil_pointer.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include "controls.h"

namespace vorlane {

namespace {

constexpr int kSize = 32;
// The tip of the helmet's peak, where a pupil expects the pointer to point.
constexpr QPoint kHotSpot(1, 1);

}  // namespace

QCursor pupilPointer(qreal devicePixelRatio) {
    const auto side = static_cast<int>(std::ceil(kSize * devicePixelRatio));
    QPixmap picture(side, side);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    QSvgRenderer(QString::fromUtf8(ui::kPointer.data(), ui::kPointer.size())).render(&painter);
    painter.end();
    picture.setDevicePixelRatio(devicePixelRatio);
    return QCursor(picture, kHotSpot.x(), kHotSpot.y());
}

}  // namespace vorlane
