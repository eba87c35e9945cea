// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <memory>
#include <vector>

class QMessageBox;
class QWidget;

namespace vorlane {

inline const QString kProductName = QStringLiteral("Vorlane");

// The flag word of a message box: buttons + icon + which button is the default.
enum BoxFlags : int {
    kOkOnly = 0,
    kYesNo = 4,
    kCritical = 16,
    kQuestion = 32,
    kExclamation = 48,
    kInformation = 64,
    kSecondIsDefault = 256,
};
// What a message box returns: the button pressed.
enum BoxAnswer : int { kOk = 1, kYes = 6, kNo = 7 };

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // Modal: returns when the pupil has pressed a button.
    virtual int show(const QString& text, int flags, const QString& title) = 0;
    // A box with no title of its own shows the product's name.
    int show(const QString& text, int flags) { return show(text, flags, kProductName); }
};

// What a flag word asks of a message box.
struct BoxLayout {
    std::vector<int> buttons;  // the answers of its buttons, left to right
    int icon = 0;              // kCritical, kQuestion, kExclamation, kInformation, or 0
    int defaultAnswer = kOk;   // what Enter picks
};

// Only the button sets the game uses are known: Yes and No, else a lone OK.
BoxLayout boxLayout(int flags);

// Widens a message box so that the window manager has room for its whole title.
void makeRoomForTitle(QMessageBox& box);

// The desktop's own boxes, through Qt, lying on the given window.
std::unique_ptr<MessageBoxes> desktopMessageBoxes(QWidget* window);

}  // namespace vorlane
