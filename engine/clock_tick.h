// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

#include "time_of_day.h"
#include "window_state.h"

namespace vorlane {

// What the tick needs from the desktop.
class TickServices {
  public:
    virtual ~TickServices() = default;
    virtual TimeOfDay timeOfDay() = 0;
    virtual void beep() = 0;
    // A modal box with only an OK button; returns when the pupil has closed it.
    virtual void alarmBox(const std::string& text, const std::string& title) = 0;
};

// The tick's own state; a fresh one at every load of the window.
struct AlarmClock {
    bool alarmShown = false;
    // The box waits in a nested event loop where the timer goes on ticking: those ticks must
    // not stack up further boxes.
    bool alarmOpen = false;
};

// One tick of the window's clock: compares lblTime's caption with the time, rings the alarm
// once when the time of day reaches a time-of-day alarmTime, and re-arms it when the time of
// day falls below it again (after midnight). A text in alarmTime never rings.
void clockTick(std::string_view lblTimeCaption, const AlarmTime& alarmTime, AlarmClock& clock,
               TickServices& services);

}  // namespace vorlane
