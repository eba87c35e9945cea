// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "colour.h"

namespace vorlane::ui {

// Positions and sizes in twips: 15 to a pixel at 96 dots per inch.
using Twips = int;

enum class Kind : std::uint8_t { Timer, TextBox, Button, Label, Picture };
enum class Align : std::uint8_t { Left, Right, Centre };

struct FontSpec {
    std::string_view family;
    double points = 0;
    bool bold = false;
};

enum Flag : unsigned {
    kHidden = 1U << 0U,
    kDisabled = 1U << 1U,
    kTransparent = 1U << 2U,   // a label that draws only its text
    kSizedToText = 1U << 3U,   // a label that takes the size of its caption
    kSingleBorder = 1U << 4U,  // a sunken frame two pixels wide, inside the size
};

// One control of the window. Rows stand in stacking order, the first on top.
struct ControlSpec {
    std::string_view name;  // the objectName
    Kind kind = Kind::Label;
    std::string_view caption;
    Twips left = 0;
    Twips top = 0;
    Twips width = 0;
    Twips height = 0;
    FontSpec font;
    std::optional<Rgb> textColour;  // none: the desktop's text colour
    std::optional<Rgb> background;  // the box's colour, a button's face
    unsigned flags = 0;
    Align align = Align::Left;
    int tabIndex = -1;
    int limit = 0;  // a text box's most characters; a timer's interval in ms
    std::string_view tooltip;
    // Resource names of the pictures: a picture's own; a button's normal, pressed and
    // disabled faces.
    std::array<std::string_view, 3> art{};
    // What a screen reader calls a control that has no text of its own, and what it is for.
    std::string_view accessibleName;
    std::string_view description;
};

std::span<const ControlSpec> controls();

// The window's caption at every load: blanks that the first resize in the normal state
// strips, then the title.
inline constexpr std::string_view kTitle = "VORLANE QUADRANGOLARE REGOLARE";
inline constexpr int kCaptionBlanks = 79;

// The client area below the menu bar, and the window's background.
inline constexpr Twips kClientWidth = 11910;
inline constexpr Twips kClientHeight = 8520;
inline constexpr Rgb kBackground{0xFF, 0xFF, 0x80};
// The heading of the right answers, darker than their count.
inline constexpr Rgb kDarkGreen{0x00, 0xC0, 0x00};

inline constexpr std::string_view kWindowIcon = ":/art/icon.svg";
inline constexpr std::string_view kPointer = ":/art/pointer.svg";

}  // namespace vorlane::ui
