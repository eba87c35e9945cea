#pragma once

namespace vorlane {

// Whether the desktop asks programs for high contrast, as GNOME's accessibility switch does,
// read through the desktop's settings portal. False where there is no session bus or no portal.
bool desktopAsksHighContrast();

}  // namespace vorlane
