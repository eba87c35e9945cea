// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

// Run when the program is built: draws every SVG of the artwork at its own size, times each
// screen ratio given (1 alone by default), and the window icon at the desktop's sizes too, into
// the file given, which the program then carries among its resources for predrawnArt. With
// --icon it writes the window icon as a Windows icon file instead, for the program's file.

#include <QBuffer>
#include <QDirIterator>
#include <QFile>
#include <QSvgRenderer>

#include <cmath>
#include <cstdio>
#include <vector>

#include "art.h"
#include "controls.h"
#include "utf8_text.h"

namespace {

// The sizes Windows shows a program's icon at, from the task bar to the largest view of a
// folder; each a PNG inside the icon file.
constexpr int kWindowsIconSizes[] = {16, 20, 24, 32, 40, 48, 64, 256};

bool writeWindowsIcon(QFile& file, const QString& svg) {
    std::vector<QByteArray> pngs;
    for (const int side : kWindowsIconSizes) {
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        vorlane::drawSvg(svg, QSize(side, side)).save(&png, "PNG");
        pngs.push_back(png.data());
    }
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    constexpr quint16 kIconType = 1;
    out << quint16{0} << kIconType << static_cast<quint16>(pngs.size());
    constexpr quint32 kHeader = 6;
    constexpr quint32 kEntry = 16;  // bytes
    auto offset = static_cast<quint32>(kHeader + kEntry * pngs.size());
    for (std::size_t i = 0; i < pngs.size(); ++i) {
        const int side = kWindowsIconSizes[i];
        // A side of 256 is written as 0, as the byte holds no more.
        const auto byte = static_cast<quint8>(side % 256);
        constexpr quint16 kPlanes = 1;
        constexpr quint16 kBits = 32;
        out << byte << byte << quint8{0} << quint8{0} << kPlanes << kBits
            << static_cast<quint32>(pngs[i].size()) << offset;
        offset += static_cast<quint32>(pngs[i].size());
    }
    for (const QByteArray& png : pngs) {
        out.writeRawData(png.constData(), static_cast<int>(png.size()));
    }
    return file.flush() && out.status() == QDataStream::Ok;
}

}  // namespace

int main(int argc, char* argv[]) {
    const bool icon = argc > 1 && QByteArray(argv[1]) == "--icon";
    std::vector<double> ratios;
    for (int i = 2; i < argc && !icon; ++i) {
        bool number = false;
        ratios.push_back(QByteArray(argv[i]).toDouble(&number));
        if (!number || ratios.back() <= 0) {
            ratios.clear();
            argc = 0;
        }
    }
    if (argc < 2 || (icon && argc != 3)) {
        std::fputs("usage: vorlane_draw_art OUTPUT [RATIO...] | vorlane_draw_art --icon OUTPUT\n",
                   stderr);
        return 2;
    }
    const char* path = argv[icon ? 2 : 1];
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "vorlane_draw_art: cannot write %s\n", path);
        return 1;
    }
    const QString windowIcon = vorlane::uiText(vorlane::ui::kWindowIcon);
    if (icon) {
        return writeWindowsIcon(file, windowIcon) ? 0 : 1;
    }
    if (ratios.empty()) {
        ratios.push_back(1);
    }
    QDataStream out(&file);
    QDirIterator art(QStringLiteral(":/art"));
    while (art.hasNext()) {
        const QString svg = art.next();
        const QSize own = QSvgRenderer(svg).defaultSize();
        for (const double ratio : ratios) {
            const QSize pixels(static_cast<int>(std::lround(own.width() * ratio)),
                               static_cast<int>(std::lround(own.height() * ratio)));
            vorlane::writePredrawn(out, svg, vorlane::drawSvg(svg, pixels));
        }
        if (svg == windowIcon) {
            for (const int side : vorlane::kDesktopIconSizes) {
                if (QSize(side, side) != own) {
                    vorlane::writePredrawn(out, svg, vorlane::drawSvg(svg, QSize(side, side)));
                }
            }
        }
    }
    return file.flush() && out.status() == QDataStream::Ok ? 0 : 1;
}
