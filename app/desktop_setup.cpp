// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop_setup.h"

#include <QApplication>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

#include "art.h"
#include "caret_event_filter.h"
#include "controls.h"
#include "system_files.h"
#include "utf8_text.h"

namespace vorlane {

bool prepareDesktop(QApplication& app, const QString& translations) {
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    QLocale::setDefault(italian);
    auto* translator = new QTranslator(&app);
    const QString folder = translations.isEmpty() ? qtTranslationsFolder() : translations;
    const bool translated =
        translator->load(italian, QStringLiteral("qtbase"), QStringLiteral("_"), folder);
    if (translated) {
        QApplication::installTranslator(translator);
    }

    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setApplicationName(QStringLiteral("vorlane"));
    // Lets the desktop match the window to its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral("org.vorlane.vorlane"));
    // The program's one icon, which every window takes: a window that set its own would have
    // the picture drawn again at every size when it is created.
    const QString icon = uiText(ui::kWindowIcon);
    QApplication::setWindowIcon(artIcon(icon, icon));
    keepCaretEventsToTheFocus();
    return translated;
}

}  // namespace vorlane
