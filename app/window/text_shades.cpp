// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text_shades.h"

#include <QLineEdit>
#include <QWidget>

#include "design_units.h"
#include "shades.h"

namespace vorlane {

namespace {

constexpr char kDesignColour[] = "designColour";

}  // namespace

void setDesignColour(QWidget& text, Rgb design) {
    text.setProperty(kDesignColour, qtColour(design));
}

void showShade(QWidget& text, bool highContrast) {
    const QVariant design = text.property(kDesignColour);
    if (!design.isValid()) {
        return;
    }
    const auto colour = design.value<QColor>();
    const Rgb shown = ui::shownColour(
        {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
         static_cast<std::uint8_t>(colour.blue())},
        highContrast);
    // A text box draws its text in the Text role, a label in WindowText.
    const auto role =
        qobject_cast<QLineEdit*>(&text) != nullptr ? QPalette::Text : QPalette::WindowText;
    QPalette palette = text.palette();
    palette.setColor(role, qtColour(shown));
    text.setPalette(palette);
}

void showShades(QWidget& form, bool highContrast) {
    for (QWidget* text : form.findChildren<QWidget*>()) {
        showShade(*text, highContrast);
    }
}

}  // namespace vorlane
