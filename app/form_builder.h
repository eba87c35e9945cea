#pragma once

class QWidget;

namespace vorlane {

// Walks the control table onto an empty form, bottom row first so that the first row ends on
// top, and sets the tab order.
// Where the desktop asks for high contrast, the texts take darker shades of their colours.
void buildControls(QWidget& form, bool highContrast);

}  // namespace vorlane
