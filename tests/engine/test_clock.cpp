// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "clock_tick.h"

using vorlane::AlarmClock;
using vorlane::TimeOfDay;

namespace {

// A desktop whose clock the test sets and whose beeps and boxes it counts.
class FakeDesk : public vorlane::TickServices {
  public:
    TimeOfDay now;
    int beeps = 0;
    std::vector<std::pair<std::string, std::string>> boxes;
    std::function<void()> whileBoxOpen;

    TimeOfDay timeOfDay() override { return now; }
    void beep() override { ++beeps; }
    void alarmBox(const std::string& text, const std::string& title) override {
        boxes.emplace_back(text, title);
        if (whileBoxOpen) {
            whileBoxOpen();
        }
    }
};

}  // namespace

class ClockTest : public QObject {
    Q_OBJECT

  private slots:
    void the_time_reads_as_hours_minutes_seconds_data() {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("midnight") << 0 << "00:00:00";
        QTest::newRow("morning") << TimeOfDay::at(8, 5, 9).secondsSinceMidnight << "08:05:09";
        QTest::newRow("last second")
            << TimeOfDay::at(23, 59, 59).secondsSinceMidnight << "23:59:59";
    }
    void the_time_reads_as_hours_minutes_seconds() {
        QFETCH(int, seconds);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(vorlane::timeText(TimeOfDay{seconds})), text);
    }

    void an_empty_alarm_never_rings() {
        FakeDesk desk;
        AlarmClock clock;
        const vorlane::AlarmTime alarm = std::string{};
        for (int second = 0; second < 86400; second += 37) {
            desk.now = TimeOfDay{second};
            vorlane::clockTick("", alarm, clock, desk);
            QVERIFY(!clock.alarmShown);
        }
        QCOMPARE(desk.beeps, 0);
        QVERIFY(desk.boxes.empty());
    }

    void a_text_alarm_never_rings() {
        FakeDesk desk;
        AlarmClock clock;
        desk.now = TimeOfDay::at(23, 0, 0);
        vorlane::clockTick("", std::string("07:00:00"), clock, desk);
        QCOMPARE(desk.beeps, 0);
    }

    void a_time_alarm_rings_once_then_again_after_midnight() {
        FakeDesk desk;
        AlarmClock clock;
        const vorlane::AlarmTime alarm = TimeOfDay::at(7, 30, 0);
        const auto tickAt = [&](TimeOfDay time) {
            desk.now = time;
            vorlane::clockTick("", alarm, clock, desk);
        };
        tickAt(TimeOfDay::at(7, 29, 59));
        QCOMPARE(desk.beeps, 0);
        tickAt(TimeOfDay::at(7, 30, 0));
        QCOMPARE(desk.beeps, 1);
        QCOMPARE(desk.boxes.size(), std::size_t{1});
        QCOMPARE(desk.boxes[0].first, std::string("Sveglia alle 07:30:00"));
        QCOMPARE(desk.boxes[0].second, std::string("Sveglia"));
        QVERIFY(clock.alarmShown);
        // The timer ticks five times a second: the alarm's own second comes again.
        for (int second = 0; second < 1000; ++second) {
            tickAt(TimeOfDay{TimeOfDay::at(7, 30, 0).secondsSinceMidnight + second});
        }
        QCOMPARE(desk.beeps, 1);
        tickAt(TimeOfDay::at(0, 0, 1));  // the next day
        QVERIFY(!clock.alarmShown);
        QCOMPARE(desk.beeps, 1);
        tickAt(TimeOfDay::at(7, 30, 0));
        QCOMPARE(desk.beeps, 2);
        QCOMPARE(desk.boxes.size(), std::size_t{2});
    }

    void ticks_while_the_alarm_box_is_open_open_no_other() {
        FakeDesk desk;
        AlarmClock clock;
        const vorlane::AlarmTime alarm = TimeOfDay::at(6, 0, 0);
        desk.now = TimeOfDay::at(6, 0, 0);
        desk.whileBoxOpen = [&] {
            for (int i = 0; i < 10; ++i) {
                vorlane::clockTick("", alarm, clock, desk);
            }
        };
        vorlane::clockTick("", alarm, clock, desk);
        QCOMPARE(desk.boxes.size(), std::size_t{1});
        QCOMPARE(desk.beeps, 1);
        QVERIFY(clock.alarmShown);
    }

    void a_clock_label_that_matches_the_time_ends_the_tick() {
        FakeDesk desk;
        AlarmClock clock;
        desk.now = TimeOfDay::at(9, 0, 0);
        vorlane::clockTick("09:00:00", vorlane::AlarmTime{TimeOfDay::at(8, 0, 0)}, clock, desk);
        QCOMPARE(desk.beeps, 0);
        vorlane::clockTick("", vorlane::AlarmTime{TimeOfDay::at(8, 0, 0)}, clock, desk);
        QCOMPARE(desk.beeps, 1);
    }
};

QTEST_APPLESS_MAIN(ClockTest)
#include "test_clock.moc"
