// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

#include "platform.h"

namespace vorlane {

// Windows' high-contrast switch, read at once and again whenever Windows tells its windows that
// the setting changed.
std::unique_ptr<DesktopContrast> windowsContrast();

}  // namespace vorlane
