// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

// Run when the program is built: draws every SVG of the artwork at its own size, and the window
// icon at the desktop's sizes too, into the file given, which the program then carries among
// its resources for predrawnArt.

#include <QDirIterator>
#include <QFile>
#include <QSvgRenderer>

#include <cstdio>

#include "art.h"
#include "controls.h"
#include "utf8_text.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage: vorlane_draw_art OUTPUT\n", stderr);
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "vorlane_draw_art: cannot write %s\n", argv[1]);
        return 1;
    }
    QDataStream out(&file);
    const QString icon = vorlane::uiText(vorlane::ui::kWindowIcon);
    QDirIterator art(QStringLiteral(":/art"));
    while (art.hasNext()) {
        const QString svg = art.next();
        const QSize own = QSvgRenderer(svg).defaultSize();
        vorlane::writePredrawn(out, svg, vorlane::drawSvg(svg, own));
        if (svg == icon) {
            for (const int side : vorlane::kDesktopIconSizes) {
                if (QSize(side, side) != own) {
                    vorlane::writePredrawn(out, svg, vorlane::drawSvg(svg, QSize(side, side)));
                }
            }
        }
    }
    return file.flush() && out.status() == QDataStream::Ok ? 0 : 1;
}
