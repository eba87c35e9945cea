// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <string_view>

namespace vorlane {

// The family that really draws one of the layout's: the named family where the desktop has it
// (a school may have installed it), else the free family drawn to the same widths, else the
// named one, for Qt's own fallback to choose. The desktop's families are read once, so that no
// font of the window goes through Qt's search for a family it lacks.
QString drawingFamily(std::string_view family);

}  // namespace vorlane
