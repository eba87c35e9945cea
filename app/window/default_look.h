// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPalette>

namespace vorlane {

// The desktop's colours as the default light look has them: black text on light grey faces and
// white boxes. The design's texts and faces in "the desktop's colour" take these whatever the
// desktop's palette, light or dark, and whatever the style makes of it.
QPalette defaultLook();

}  // namespace vorlane
