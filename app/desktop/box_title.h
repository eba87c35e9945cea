#pragma once

class QMessageBox;

namespace vorlane {

// Widens a message box so that the window manager has room for its whole title.
void makeRoomForTitle(QMessageBox& box);

}  // namespace vorlane
