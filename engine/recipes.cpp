// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "recipes.h"

namespace vorlane {

namespace {

constexpr std::string_view kAreaIs = "La superficie di base misura cmq ";
constexpr std::string_view kPerimeterIs = "Il perimetro di base misura cm ";
constexpr std::string_view kEdgeIs = "Il lato AB misura cm ";
constexpr std::string_view kVolumeIs = "Il volume della piramide è di cmc ";
constexpr std::string_view kLateralIs = "La superficie laterale misura cmq  ";

}  // namespace

// Type 14's title is the only one that names its unit. Its answer is formed as OK·OK·4, which
// gives the same whole number as OK·4·OK.
const std::array<Recipe, 21> kRecipes = {{
    {"Altezza VO", kGreen, kShowOK | kShowVK, "", Quantity::None, Quantity::Height},
    {"Raggio circonferenza inscritta OK", kMagenta, kShowVO | kShowVK, "", Quantity::None,
     Quantity::Inradius},
    {"Apotema VK", kBlue, kShowVO | kShowOK, "", Quantity::None, Quantity::Apothem},
    {"Superficie laterale", kBlue, kShowVO | kShowOK, "", Quantity::None, Quantity::LateralSurface},
    {"Superficie totale", kBlue, kShowVO | kShowOK, "", Quantity::None, Quantity::TotalSurface},
    {"Volume", kBlue, kShowVO | kShowOK, "", Quantity::None, Quantity::Volume},
    {"Superficie di base", kMagenta, kShowVO | kShowVK, "", Quantity::None, Quantity::BaseArea},
    {"Raggio circonferenza inscritta OK", kMagenta, kShowVK, kAreaIs, Quantity::BaseArea,
     Quantity::Inradius},
    {"Apotema VK", kMagenta, kShowVO, "L'area della superficie di base è cmq ", Quantity::BaseArea,
     Quantity::Apothem},
    {"Apotema VK", kMagenta, kShowVO, kPerimeterIs, Quantity::BasePerimeter, Quantity::Apothem},
    {"Altezza VO", kMagenta, kShowVK, kPerimeterIs, Quantity::BasePerimeter, Quantity::Height},
    {"Altezza VO", kMagenta, kShowVK, kEdgeIs, Quantity::BaseEdge, Quantity::Height},
    {"Spigolo VB (approssima all'unità)", kMagenta, kShowVK, kEdgeIs, Quantity::BaseEdge,
     Quantity::LateralEdge},
    {"La superficie di base misura cmq", kBlue, kShowVO, kVolumeIs, Quantity::Volume,
     Quantity::BaseArea},
    {"Raggio circonferenza inscritta OK", kBlue, kShowVO, kVolumeIs, Quantity::Volume,
     Quantity::Inradius},
    {"Spigolo AB", kBlue, kShowVO, kVolumeIs, Quantity::Volume, Quantity::BaseEdge},
    {"Apotema VK", kBlue, kShowOK, kLateralIs, Quantity::LateralSurface, Quantity::Apothem},
    {"Altezza VO", kBlue, kShowOK, kLateralIs, Quantity::LateralSurface, Quantity::Height},
    {"Volume della piramide", kBlue, kShowOK, kLateralIs, Quantity::LateralSurface,
     Quantity::Volume},
    {"Superficie laterale", kBlue, kShowOK, "La superficie totale misura cmq  ",
     Quantity::TotalSurface, Quantity::LateralFromTotal},
    {"Altezza VO", kBlue, kShowOK, "Il volume del solido è cmc  ", Quantity::Volume,
     Quantity::Height},
}};

}  // namespace vorlane
