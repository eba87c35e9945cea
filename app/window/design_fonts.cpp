// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "design_fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <map>

#include "utf8_text.h"

namespace vorlane {

namespace {

struct StandIn {
    std::string_view family;
    std::string_view standIn;
};

// Free families with the widths of the layout's, so that every caption fills its place.
constexpr StandIn kStandIns[] = {{"Arial", "Liberation Sans"},
                                 {"MS Sans Serif", "Liberation Sans"},
                                 {"Times New Roman", "Liberation Serif"}};

std::map<std::string_view, QString> findDrawingFamilies() {
    const QStringList installed = QFontDatabase::families();
    const auto has = [&installed](const QString& family) {
        return installed.contains(family, Qt::CaseInsensitive);
    };
    std::map<std::string_view, QString> drawing;
    for (const auto& [family, standIn] : kStandIns) {
        const QString named = uiText(family);
        const QString free = uiText(standIn);
        drawing[family] = has(named) || !has(free) ? named : free;
    }
    return drawing;
}

}  // namespace

QString drawingFamily(std::string_view family) {
    static const std::map<std::string_view, QString> drawing = findDrawingFamilies();
    const auto found = drawing.find(family);
    return found == drawing.end() ? uiText(family) : found->second;
}

}  // namespace vorlane
