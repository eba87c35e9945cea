// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "art.h"

#include <QApplication>
#include <QDataStream>
#include <QFile>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <map>
#include <utility>

namespace vorlane {

namespace {

// What writePredrawn wrote at build time: for each drawing, the SVG's resource name, the width and
// the height, then the pixels row after row, premultiplied ARGB in the machine's own byte order
// (the drawing program runs where the game does, or, for Windows, on x86-64 like it).
const QString kPredrawn = QStringLiteral(":/drawn/art");

QHash<QString, QList<QImage>> readPredrawn() {
    QHash<QString, QList<QImage>> predrawn;
    QFile file(kPredrawn);
    if (!file.open(QIODevice::ReadOnly)) {
        return predrawn;
    }
    QDataStream in(&file);
    while (!in.atEnd()) {
        QString svg;
        qint32 width = 0;
        qint32 height = 0;
        in >> svg >> width >> height;
        if (in.status() != QDataStream::Ok || width <= 0 || height <= 0) {
            break;
        }
        QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
        const auto bytes = static_cast<int>(image.sizeInBytes());
        if (in.readRawData(reinterpret_cast<char*>(image.bits()), bytes) != bytes) {
            break;
        }
        predrawn[svg].append(image);
    }
    return predrawn;
}

// The icons are square, so the picture is drawn square in whatever size is asked for.
class ArtIconEngine final : public QIconEngine {
  public:
    ArtIconEngine(QString normal, QString disabled)
        : normal_(std::move(normal)), disabled_(std::move(disabled)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        QSize pixels = rect.size();
        if (painter->device() != nullptr) {
            pixels *= painter->device()->devicePixelRatio();
        }
        painter->drawPixmap(rect, pixmap(pixels, mode, state));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State /*state*/) override {
        const int side = std::min(size.width(), size.height());
        QPixmap& kept = drawn_[{side, mode}];
        if (kept.isNull() && side > 0) {
            kept = QPixmap::fromImage(
                artImage(mode == QIcon::Disabled ? disabled_ : normal_, QSize(side, side)));
            // As Qt's own icons do: the style marks a hovered or selected picture its own way.
            if (mode == QIcon::Active || mode == QIcon::Selected) {
                QStyleOption option;
                option.palette = QGuiApplication::palette();
                const QPixmap marked =
                    QApplication::style()->generatedIconPixmap(mode, kept, &option);
                if (!marked.isNull()) {
                    kept = marked;
                }
            }
        }
        return kept;
    }

    [[nodiscard]] QIconEngine* clone() const override { return new ArtIconEngine(*this); }

  private:
    QString normal_;
    QString disabled_;
    std::map<std::pair<int, QIcon::Mode>, QPixmap> drawn_;
};

}  // namespace

const QList<QImage>& allPredrawn(const QString& svg) {
    static const QHash<QString, QList<QImage>> predrawn = readPredrawn();
    static const QList<QImage> none;
    const auto found = predrawn.find(svg);
    return found == predrawn.end() ? none : *found;
}

std::optional<QImage> predrawnArt(const QString& svg, QSize pixels) {
    for (const QImage& image : allPredrawn(svg)) {
        if (image.size() == pixels) {
            return image;
        }
    }
    return std::nullopt;
}

QImage artImage(const QString& svg, QSize pixels) {
    if (std::optional<QImage> predrawn = predrawnArt(svg, pixels)) {
        return *predrawn;
    }
    return drawNow(svg, pixels);
}

void writePredrawn(QDataStream& out, const QString& svg, const QImage& image) {
    out << svg << qint32{image.width()} << qint32{image.height()};
    out.writeRawData(reinterpret_cast<const char*>(image.constBits()),
                     static_cast<int>(image.sizeInBytes()));
}

QIcon artIcon(const QString& normal, const QString& disabled) {
    return QIcon(new ArtIconEngine(normal, disabled));
}

}  // namespace vorlane
