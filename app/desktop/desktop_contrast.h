// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

#include "platform.h"

namespace vorlane {

// The desktop's wish for high contrast as its settings portal tells it: GNOME's accessibility
// switch, or the appearance key that newer GNOME and KDE portals offer. The portal is asked once
// per program, at the first use, without waiting, and followed as the setting changes. No
// session bus or no portal: no wish.
std::unique_ptr<DesktopContrast> portalContrast();

}  // namespace vorlane
