#include "picture.h"

#include <QPainter>

namespace vorlane {

Picture::Picture(const QString& resource, QWidget* parent) : QFrame(parent), renderer_(resource) {}

void Picture::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    const QRect area = contentsRect();
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(area.size()) * ratio).toSize();
    if (drawn_.size() != pixels) {
        drawn_ = QPixmap(pixels);
        drawn_.fill(Qt::transparent);
        QPainter onPixmap(&drawn_);
        renderer_.render(&onPixmap);
        drawn_.setDevicePixelRatio(ratio);
    }
    QPainter painter(this);
    painter.drawPixmap(area.topLeft(), drawn_);
}

}  // namespace vorlane
