// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace vorlane {

// Where Qt's own translations lie on this system: the release's folder on Debian, the program's
// own resources on Windows, which has no Qt of its own.
QString qtTranslationsFolder();

}  // namespace vorlane
