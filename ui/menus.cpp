// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "menus.h"

namespace vorlane::ui {

namespace {

// The authors' contact lines. The titles are short, so that all six titles stand on the bar at
// the interface fonts desktops use, up to DejaVu Sans 14.
constexpr MenuEntry kSchool[] = {{"scuola", "Scuola media statale di Vorlane"}};
constexpr MenuEntry kAddress[] = {{"Tmer", "Via della Geometria 1, Vorlane"}};
constexpr MenuEntry kContact[] = {{"per", "Per contattare gli autori "}};

// Formulas for reference: choosing one does nothing.
constexpr MenuEntry kFormulas[] = {
    {"nomen",
     "OK= raggio circonferenza inscritta ---VK= apotema  piramide--- VO= altezza del solido"},
    {"okkcc", "OK = radice quadrata (VK x VK -  VO x VO)--Teorema di Pitagora"},
    {"VOK", "VO = radice quadrata (VK x VK - OK x OK)--Teorema di Pitagora"},
    {"VK", "VK = radice quadrata (OK x OK + VO x VO)--Teorema di Pitagora"},
    {"VBB", "VB = radice quadrata (BK x BK +  VK x VK)--Teorema di Pitagora"},
    {"BK", "BK = BC : 2"},
    {"okk", "OK = AB : 2"},
    {"ab", "AB = OK x 2"},
    {"radd", "AB = Radice quadrata della Superficie di base"},
    {"vol", "Volume= Superficie di base x altezza VO : 3"},
    {"SUO", "Superficie di base= Volume x 3 : altezza VO"},
    {"alt", "Altezza VO= volume x 3 : superficie di base"},
    {"sl", "Superficie laterale= Perimetro di base x apotema : 2"},
    {"perb", "Perimetro di base= Superficie laterale x 2 : apotema"},
    {"apots", "Apotema= superficie laterale x 2 : perimetro di base"},
    {"supbas", "Superficie totale = Superficie laterale + superficie di base"},
    {"supla", "Superficie laterale = Superficie totale -  superficie di base"},
    {"supbasw", "Superficie di base = Superficie totale - superficie laterale"},
    {"sqrt", "Per calcolare le radici quadrate con la calcolatrice standard cliccare su sqrt"},
    {"invx",
     "Per calcolare le radici quadrate con la calcolatrice scientifica cliccare su    inv   e  "
     "su   x^2  "},
};

constexpr MenuSpec kMenus[] = {
    {"sito", "3b.example", kSchool},           // their web address
    {"Ciao", "La 3ª B", kAddress},             // the authors, a class
    {"posta", "autori@3b.example", kContact},  // their e-mail address
    {"new", "Nuovo gioco", {}},
    {"fcs", "Formulario", kFormulas},
    {"calc", "Calcolatrice", {}},
};

}  // namespace

std::span<const MenuSpec> menus() {
    return kMenus;
}

}  // namespace vorlane::ui
