// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

#include "platform.h"

namespace vorlane {

// What the game is asked for: --voce, --problemi LIST and --registro on the command line, and
// "problemi" and "registro" in the pupil's settings and in the computer's, which a technician
// sets once for a whole lab (on Debian ~/.config/vorlane/vorlane.conf and
// /etc/xdg/vorlane/vorlane.conf, on Windows the registry's HKCU and HKLM\Software\vorlane). The
// command line wins over the pupil's settings, those over the computer's. A setting that cannot
// be read is named on the standard error with where it came from, and the game plays as without
// it: all 21 problems, no record.
GameOptions gameOptions(const QStringList& arguments);

}  // namespace vorlane
