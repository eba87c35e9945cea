// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDataStream>
#include <QIcon>
#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

namespace vorlane {

// The window's artwork, SVG files among the program's resources, turned into pixels. Drawing
// the larger pictures from their vectors costs more than building the rest of the window, so
// each SVG is drawn once, when the program is built, at its own size: the size at which the
// window shows it on a screen of device pixel ratio 1. The window icon is drawn at the sizes
// an X11 desktop asks for besides. On Windows every picture is drawn at the screen ratios
// Windows offers too.

// The sizes an X11 desktop is given of a window icon that names none of its own.
inline constexpr int kDesktopIconSizes[] = {16, 32, 64, 128};

// `svg` drawn now from its vectors, at `pixels`, transparent where the drawing leaves it bare.
// Only where the program carries an SVG renderer, as on Debian and in the drawing tool.
QImage drawSvg(const QString& svg, QSize pixels);

// `svg` as it was drawn at `pixels` when the program was built, if it was.
std::optional<QImage> predrawnArt(const QString& svg, QSize pixels);

// Every size `svg` was drawn at when the program was built, in the order drawn.
const QList<QImage>& allPredrawn(const QString& svg);

// `svg` at a size it was not drawn at when built: from its vectors where the program carries a
// renderer; on Windows, which has none, the predrawn picture nearest above it, scaled down.
QImage drawNow(const QString& svg, QSize pixels);

// The one to use: drawn at build time where it can be, as drawNow where not.
QImage artImage(const QString& svg, QSize pixels);

// Adds a drawing to what the build leaves for predrawnArt to find.
void writePredrawn(QDataStream& out, const QString& svg, const QImage& image);

// An icon that shows `normal`, and `disabled` when its control is disabled, at any size.
QIcon artIcon(const QString& normal, const QString& disabled);

}  // namespace vorlane
