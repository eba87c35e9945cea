// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clock_tick.h"

#include <array>
#include <cstdio>

namespace vorlane {

namespace {

// A time of day counts as smaller than any text, the empty text included.
bool reached(TimeOfDay now, const AlarmTime& alarm) {
    const auto* time = std::get_if<TimeOfDay>(&alarm);
    return time != nullptr && now >= *time;
}

bool before(TimeOfDay now, const AlarmTime& alarm) {
    const auto* time = std::get_if<TimeOfDay>(&alarm);
    return time == nullptr || now < *time;
}

}  // namespace

std::string timeText(TimeOfDay time) {
    const int seconds = time.secondsSinceMidnight;
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    return text.data();
}

void clockTick(std::string_view lblTimeCaption, const AlarmTime& alarmTime, AlarmClock& clock,
               TickServices& services) {
    if (clock.alarmOpen || lblTimeCaption == timeText(services.timeOfDay())) {
        return;
    }
    if (reached(services.timeOfDay(), alarmTime) && !clock.alarmShown) {
        services.beep();
        clock.alarmOpen = true;
        services.alarmBox("Sveglia alle " + timeText(services.timeOfDay()), "Sveglia");
        clock.alarmOpen = false;
        clock.alarmShown = true;
        return;
    }
    if (before(services.timeOfDay(), alarmTime)) {
        clock.alarmShown = false;
    }
}

}  // namespace vorlane
