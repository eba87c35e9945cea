// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <string_view>

namespace vorlane::ui {

struct MenuEntry {
    std::string_view name;  // the objectName
    std::string_view caption;
};

// A top-level menu. One without entries is a command of its own.
struct MenuSpec {
    std::string_view name;
    std::string_view caption;
    std::span<const MenuEntry> entries;
};

// The menu bar, left to right.
std::span<const MenuSpec> menus();

}  // namespace vorlane::ui
