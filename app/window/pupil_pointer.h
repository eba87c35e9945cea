// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCursor>

namespace vorlane {

// The game's own mouse pointer, drawn from its SVG at the screen's device pixel ratio.
QCursor pupilPointer(qreal devicePixelRatio);

}  // namespace vorlane
