// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

class QLineEdit;
class QTimer;
class QWidget;

namespace vorlane {

class PictureButton;
class TableLabel;

// The controls that the game changes, found by their names on a built form.
struct Controls {
    QTimer* Timer1 = nullptr;
    QLineEdit* txtAnswer = nullptr;
    PictureButton* cmdNext = nullptr;
    PictureButton* cmdExit = nullptr;
    TableLabel* lblMessage = nullptr;
    TableLabel* Label5 = nullptr;
    TableLabel* Label9 = nullptr;
    TableLabel* Label10 = nullptr;
    TableLabel* Label11 = nullptr;
    TableLabel* Label12 = nullptr;
    TableLabel* lblTime = nullptr;
    TableLabel* lblScore = nullptr;
    TableLabel* lblScore1 = nullptr;
    TableLabel* lblScore2 = nullptr;
    std::array<TableLabel*, 3> measures{};  // lblNum1, lblNum2, lblipo
    std::array<TableLabel*, 3> units{};     // Label2(0), Label2(1), Label2(2)
    std::array<TableLabel*, 3> letters{};   // Label20, Label21, Label22
};

// Stops the program, naming the control, when the form lacks one of them: the form and the
// table have parted ways.
Controls findControls(QWidget& form);

}  // namespace vorlane
