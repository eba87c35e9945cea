// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMainWindow>

#include <cstdint>
#include <memory>

#include "answer.h"
#include "clock_tick.h"
#include "platform.h"
#include "record_row.h"
#include "window_state.h"

namespace vorlane {

struct Controls;
class PlatformTickServices;

// The game's one window. It is built from the layout tables at every load, poses a problem
// each time it is shown after a load, and runs the handlers of its controls.
class Tavola : public QMainWindow {
    Q_OBJECT

  public:
    // With the real desktop, and the game's own voice, the problems chosen and the pupil's
    // record as asked for.
    explicit Tavola(const GameOptions& options = {});
    // With services of the caller's, such as scripted ones.
    explicit Tavola(Platform platform);
    ~Tavola() override;

    Tavola(const Tavola&) = delete;
    Tavola& operator=(const Tavola&) = delete;

    // The window's variables, for the tests that set up a game in a given state.
    WindowState& state() { return state_; }

    void Form_Load();
    void Form_Resize();
    void Form_Activate();
    void cmdNext_Click();
    void txtAnswer_KeyPress(std::int16_t& charCode);
    void cmdExit_Click();
    void new_Click();
    void calc_Click();
    void Timer1_Timer();

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // What both constructors do once the services are in place.
    void open();
    void load();
    void unload();
    void bindEvents();
    // Said by the voice; also told to a screen reader through `holder`, the control the focus
    // reaches next, where there is one. A message box's text the reader reads with the box.
    void say(const QString& text, QWidget* holder = nullptr, Urgency urgency = Urgency::Polite);
    void keepInRecord(const Verdict& verdict);

    Platform platform_;
    std::unique_ptr<PlatformTickServices> tickServices_;
    WindowState state_;
    AlarmClock alarmClock_;
    std::unique_ptr<Controls> controls_;
    bool activationPending_ = false;
    // What the voice says again when the pupil asks.
    QString problemSpoken_;
    // The problem on show, for the pupil's record.
    AnsweredProblem asked_;
    TimeOfDay askedAt_{};
    bool recordFailureShown_ = false;
};

}  // namespace vorlane
