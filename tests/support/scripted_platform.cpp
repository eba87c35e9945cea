// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scripted_platform.h"

#include "message_boxes.h"

namespace vorlane {

int ScriptedBoxes::show(const QString& text, int flags, const QString& title) {
    shown.push_back({text, flags, title});
    if (whileOpen) {
        whileOpen();
    }
    if (answers.empty()) {
        return boxLayout(flags).defaultAnswer;
    }
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

QString ScriptedStarter::find(const QString& name) {
    return installed.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
}

bool ScriptedStarter::start(const QString& path) {
    const QString name = path.section(QLatin1Char('/'), -1);
    if (refusing.contains(name)) {
        return false;
    }
    started << path;
    return true;
}

void ScriptedContrast::set(bool high) {
    high_ = high;
    if (changed_) {
        changed_(high);
    }
}

ScriptedDesktop::ScriptedDesktop(std::unique_ptr<RandomSource> random) {
    auto ownBoxes = std::make_unique<ScriptedBoxes>();
    auto ownStarter = std::make_unique<ScriptedStarter>();
    auto ownClock = std::make_unique<ScriptedClock>();
    auto ownBeeper = std::make_unique<ScriptedBeeper>();
    auto ownEnd = std::make_unique<ScriptedEnd>();
    auto ownContrast = std::make_unique<ScriptedContrast>();
    boxes = ownBoxes.get();
    starter = ownStarter.get();
    clock = ownClock.get();
    beeper = ownBeeper.get();
    end = ownEnd.get();
    contrast = ownContrast.get();
    // The game with its voice on, as with --voce.
    auto ownVoice = std::make_unique<ScriptedVoice>();
    voice = ownVoice.get();
    auto ownScreenReader = std::make_unique<ScriptedScreenReader>();
    screenReader = ownScreenReader.get();
    platform = {std::move(ownBoxes),
                std::move(ownStarter),
                std::move(ownClock),
                std::move(ownBeeper),
                std::move(ownEnd),
                std::move(random),
                std::move(ownContrast),
                std::move(ownVoice),
                allProblems(),
                nullptr,
                std::move(ownScreenReader)};
}

}  // namespace vorlane
