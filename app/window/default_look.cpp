// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "default_look.h"

#include <QtGlobal>

#include <iterator>

namespace vorlane {

namespace {

struct RoleColours {
    QPalette::ColorRole role;
    QRgb enabled;  // active and inactive windows alike
    QRgb disabled;
};

// Fusion's light colours. The style's own standard palette turns dark wherever the platform
// theme calls the desktop dark (Qt's gtk3 theme under Adwaita:dark, and on newer Qt GNOME's and
// KDE's dark schemes), so the window cannot take it from the style.
constexpr RoleColours kLook[] = {
    {QPalette::WindowText, 0xFF000000, 0xFFBEBEBE},
    {QPalette::Button, 0xFFEFEFEF, 0xFFEFEFEF},
    {QPalette::Light, 0xFFFFFFFF, 0xFFFFFFFF},
    {QPalette::Midlight, 0xFFCACACA, 0xFFCACACA},
    {QPalette::Dark, 0xFF9F9F9F, 0xFFBEBEBE},
    {QPalette::Mid, 0xFFB8B8B8, 0xFFB8B8B8},
    {QPalette::Text, 0xFF000000, 0xFFBEBEBE},
    {QPalette::BrightText, 0xFFFFFFFF, 0xFFFFFFFF},
    {QPalette::ButtonText, 0xFF000000, 0xFFBEBEBE},
    {QPalette::Base, 0xFFFFFFFF, 0xFFEFEFEF},
    {QPalette::Window, 0xFFEFEFEF, 0xFFEFEFEF},
    {QPalette::Shadow, 0xFF767676, 0xFFB1B1B1},
    {QPalette::Highlight, 0xFF308CC6, 0xFF919191},
    {QPalette::HighlightedText, 0xFFFFFFFF, 0xFFFFFFFF},
    {QPalette::Link, 0xFF0000FF, 0xFF0000FF},
    {QPalette::LinkVisited, 0xFFFF00FF, 0xFFFF00FF},
    {QPalette::AlternateBase, 0xFFF7F7F7, 0xFFF7F7F7},
    {QPalette::NoRole, 0xFF000000, 0xFF000000},
    {QPalette::ToolTipBase, 0xFFFFFFDC, 0xFFFFFFDC},
    {QPalette::ToolTipText, 0xFF000000, 0xFF000000},
    {QPalette::PlaceholderText, 0x80000000, 0x80000000},
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    {QPalette::Accent, 0xFF308CC6, 0xFF919191},  // Qt 6.6 on: the highlight's hue
#endif
};
static_assert(std::size(kLook) == QPalette::NColorRoles, "every role has its colour");

}  // namespace

QPalette defaultLook() {
    // Every role of every group is set, so that each one passes down to the controls: a role
    // left unset would come to a control from the desktop's palette for its class instead.
    QPalette look;
    for (const RoleColours& colours : kLook) {
        look.setColor(QPalette::Active, colours.role, QColor::fromRgba(colours.enabled));
        look.setColor(QPalette::Inactive, colours.role, QColor::fromRgba(colours.enabled));
        look.setColor(QPalette::Disabled, colours.role, QColor::fromRgba(colours.disabled));
    }
    return look;
}

}  // namespace vorlane
