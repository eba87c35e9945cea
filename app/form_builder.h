#pragma once

#include <QColor>
#include <QFont>

#include <array>

#include "colour.h"
#include "controls.h"

class QLineEdit;
class QMenuBar;
class QTimer;
class QWidget;

namespace vorlane {

class PictureButton;
class TableLabel;

// Twips to device-independent pixels, and points to pixels: the window has its design size
// whatever the screen's dots per inch, and Qt's scaling does the rest.
int pixels(ui::Twips twips);
QFont tableFont(const ui::FontSpec& spec);
QColor qtColour(Rgb rgb);

// Walks the control table onto an empty form, bottom row first so that the first row ends on
// top, and sets the tab order.
void buildControls(QWidget& form);
void buildMenus(QMenuBar& bar);

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

Controls findControls(QWidget& form);

}  // namespace vorlane
