// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include <set>

#include "random_source.h"
#include "scripted_random.h"

using vorlane::MixingRandom;

class RandomSourceTest : public QObject {
    Q_OBJECT

  private slots:
    void draws_stay_below_one() {
        MixingRandom random([] { return std::uint64_t{42}; });
        for (int i = 0; i < 200000; ++i) {
            const float r = random.draw();
            QVERIFY(r >= 0.0F);
            QVERIFY(r < 1.0F);
        }
    }

    void whole_draws_cover_their_range_evenly() {
        MixingRandom random([] { return std::uint64_t{7}; });
        std::array<int, 21> seen{};
        constexpr int kDraws = 210000;
        for (int i = 0; i < kDraws; ++i) {
            const std::int32_t type = vorlane::drawWhole(random, 21, 1);
            QVERIFY(type >= 1 && type <= 21);
            ++seen[static_cast<std::size_t>(type - 1)];
        }
        for (const int count : seen) {
            QVERIFY2(count > 9000 && count < 11000, qPrintable(QString::number(count)));
        }
    }

    void the_same_clock_gives_the_same_draws() {
        MixingRandom first([] { return std::uint64_t{1234}; });
        MixingRandom second([] { return std::uint64_t{1234}; });
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(first.draw(), second.draw());
        }
    }

    void reseeding_from_the_clock_reads_it() {
        std::uint64_t now = 1;
        MixingRandom early([&now] { return now; });
        now = 2;
        MixingRandom late([&now] { return now; });
        QVERIFY(early.draw() != late.draw());
    }

    void a_number_mixes_into_the_state_rather_than_replacing_it() {
        MixingRandom one([] { return std::uint64_t{1}; });
        MixingRandom other([] { return std::uint64_t{2}; });
        one.reseedWith(5);
        other.reseedWith(5);
        std::set<float> draws;
        for (int i = 0; i < 4; ++i) {
            draws.insert(one.draw());
            draws.insert(other.draw());
        }
        QCOMPARE(draws.size(), std::size_t{8});
    }

    void different_numbers_lead_to_different_draws() {
        MixingRandom one([] { return std::uint64_t{9}; });
        MixingRandom other([] { return std::uint64_t{9}; });
        one.reseedWith(0);
        other.reseedWith(1);
        QVERIFY(one.draw() != other.draw());
    }

    void the_scripted_source_plays_back_and_records() {
        vorlane::ScriptedRandom random({0.25F, 0.5F});
        random.reseedFromClock();
        QCOMPARE(random.draw(), 0.25F);
        random.reseedWith(-3);
        QCOMPARE(random.draw(), 0.5F);
        QCOMPARE(random.draw(), 0.25F);
        using Call = vorlane::ScriptedRandom::Call;
        const std::vector<vorlane::ScriptedRandom::Record> expected = {{Call::ReseedFromClock, 0},
                                                                       {Call::Draw, 0},
                                                                       {Call::ReseedWith, -3},
                                                                       {Call::Draw, 0},
                                                                       {Call::Draw, 0}};
        QVERIFY(random.calls() == expected);
    }
};

QTEST_APPLESS_MAIN(RandomSourceTest)
#include "test_random.moc"
