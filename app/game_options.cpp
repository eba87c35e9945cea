// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game_options.h"

#include <QSettings>

#include <cstdio>
#include <optional>

#include "problem_choice.h"

namespace vorlane {

namespace {

// A setting as found, and where.
struct Found {
    QString value;
    QString source;
};

const QString kCommandLine = QStringLiteral("la riga di comando");

// "--problemi LIST" or "--problemi=LIST"; a flag such as --registro stands for "sì".
std::optional<Found> onCommandLine(const QStringList& arguments, const QString& option, bool flag) {
    const QString name = QStringLiteral("--") + option;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == name) {
            const bool given = !flag && i + 1 < arguments.size();
            return Found{flag    ? QStringLiteral("sì")
                         : given ? arguments[i + 1]
                                 : QString(),
                         kCommandLine};
        }
        if (!flag && arguments[i].startsWith(name + QLatin1Char('='))) {
            return Found{arguments[i].mid(name.size() + 1), kCommandLine};
        }
    }
    return std::nullopt;
}

std::optional<Found> inSettings(QSettings::Scope scope, const QString& key) {
    QSettings settings(QSettings::NativeFormat, scope, QStringLiteral("vorlane"),
                       QStringLiteral("vorlane"));
    settings.setFallbacksEnabled(false);
    if (!settings.contains(key)) {
        return std::nullopt;
    }
    // A settings file reads "9,16-18" as a list of three.
    return Found{settings.value(key).toStringList().join(QLatin1Char(',')), settings.fileName()};
}

std::optional<Found> lookUp(const QStringList& arguments, const QString& key, bool flag) {
    if (auto found = onCommandLine(arguments, key, flag)) {
        return found;
    }
    if (auto found = inSettings(QSettings::UserScope, key)) {
        return found;
    }
    return inSettings(QSettings::SystemScope, key);
}

void complain(const QString& key, const Found& found, const QString& fault, const char* instead) {
    std::fprintf(stderr, "vorlane: \"%s\" in %s: %s; %s.\n", qPrintable(key),
                 qPrintable(found.source), qPrintable(fault), instead);
}

std::optional<bool> yesOrNo(const QString& text) {
    const QString word = text.trimmed().toLower();
    for (const char* yes : {"sì", "si", "true", "1", "yes", "on"}) {
        if (word == QString::fromUtf8(yes)) {
            return true;
        }
    }
    for (const char* no : {"no", "false", "0", "off"}) {
        if (word == QLatin1String(no)) {
            return false;
        }
    }
    return std::nullopt;
}

}  // namespace

GameOptions gameOptions(const QStringList& arguments) {
    GameOptions options;
    options.aloud = arguments.contains(QStringLiteral("--voce"));
    const QString problems = QStringLiteral("problemi");
    if (const auto found = lookUp(arguments, problems, false)) {
        const ChoiceReading reading = readProblemChoice(found->value.toStdString());
        options.problems = reading.choice;
        if (!reading.fault.empty()) {
            complain(problems, *found, QString::fromStdString(reading.fault),
                     "si giocano tutti i 21 tipi");
        }
    }
    const QString record = QStringLiteral("registro");
    if (const auto found = lookUp(arguments, record, true)) {
        const std::optional<bool> on = yesOrNo(found->value);
        options.record = on.value_or(false);
        if (!on) {
            complain(record, *found, QStringLiteral("\"%1\" non è sì né no").arg(found->value),
                     "il registro resta spento");
        }
    }
    return options;
}

}  // namespace vorlane
