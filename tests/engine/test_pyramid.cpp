// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include <algorithm>
#include <set>
#include <tuple>

#include "problem.h"
#include "problem_choice.h"
#include "pyramid.h"
#include "scripted_random.h"

using vorlane::Pyramid;
using vorlane::ScriptedRandom;
using vorlane::WindowState;

Q_DECLARE_METATYPE(Pyramid)

namespace {

// The draw r that makes floor(r·count) come out as index.
float drawFor(int index, int count) {
    return (static_cast<float>(index) + 0.5F) / static_cast<float>(count);
}

using Triple = std::tuple<int, int, int>;

Triple tripleOf(const Pyramid& p) {
    return {p.VO, p.OK, p.VK};
}

// Invents one pyramid from scripted draws: the size n, the family, and the k draw (by index).
Pyramid invented(WindowState& state, int n, int family, int kIndex) {
    ScriptedRandom random({drawFor(n, 7), drawFor(family - 1, 8), drawFor(kIndex, 5)});
    return vorlane::inventPyramid(state, random);
}

}  // namespace

class PyramidTest : public QObject {
    Q_OBJECT

  private slots:
    void each_family_builds_its_triples_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("kIndex");
        QTest::addColumn<int>("n");
        QTest::addColumn<Pyramid>("triple");
        const auto fromSize = [](const char* name, int family, int n, Pyramid p) {
            QTest::newRow(name) << family << 0 << n << p;
        };
        const auto fromK = [](const char* name, int family, int kIndex, Pyramid p) {
            QTest::newRow(name) << family << kIndex << 3 << p;
        };
        fromSize("1, n=3", 1, 3, {7, 24, 25});
        fromSize("1, n=4", 1, 4, {9, 40, 41});
        fromSize("1, n=5", 1, 5, {11, 60, 61});
        fromSize("1, n=6", 1, 6, {13, 84, 85});
        for (const int family : {2, 8}) {
            const QByteArray f = QByteArray::number(family);
            fromK(f + ", k=3", family, 0, {6, 8, 10});
            fromK(f + ", k=4", family, 1, {8, 15, 17});
            fromK(f + ", k=5", family, 2, {10, 24, 26});
            fromK(f + ", k=6", family, 3, {12, 35, 37});
            fromK(f + ", k=7", family, 4, {14, 48, 50});
        }
        fromK("3, k=4", 3, 0, {8, 15, 17});
        fromK("3, k=5", 3, 1, {10, 24, 26});
        fromK("3, k=6", 3, 2, {12, 35, 37});
        fromK("3, k=7", 3, 3, {14, 48, 50});
        fromK("3, k=8", 3, 4, {16, 63, 65});
        fromK("4, k=1 becomes 3", 4, 0, {12, 16, 20});
        fromK("4, k=2", 4, 1, {8, 6, 10});
        fromK("4, k=3", 4, 2, {12, 16, 20});
        fromK("4, k=4", 4, 3, {16, 30, 34});
        fromK("4, k=5", 4, 4, {20, 48, 52});
        fromK("5, k=2", 5, 1, {12, 9, 15});
        fromK("5, k=3", 5, 2, {18, 24, 30});
        fromK("5, k=4", 5, 3, {24, 45, 51});
        fromK("5, k=5", 5, 4, {30, 72, 78});
        fromK("6, k=1 becomes 3", 6, 0, {24, 32, 40});
        fromK("6, k=2", 6, 1, {16, 12, 20});
        fromK("6, k=4", 6, 3, {32, 60, 68});
        fromK("6, k=5", 6, 4, {40, 96, 104});
        fromSize("7, n=3", 7, 3, {14, 48, 50});
        fromSize("7, n=4", 7, 4, {18, 80, 82});
        fromSize("7, n=5", 7, 5, {22, 120, 122});
        fromSize("7, n=6", 7, 6, {26, 168, 170});
    }
    void each_family_builds_its_triples() {
        QFETCH(int, family);
        QFETCH(int, kIndex);
        QFETCH(int, n);
        QFETCH(Pyramid, triple);
        WindowState state;
        const Pyramid p = invented(state, n, family, kIndex);
        QCOMPARE(p, triple);
        QCOMPARE(state.tripleFamily, family);
        QCOMPARE(p.VO * p.VO + p.OK * p.OK, p.VK * p.VK);
    }

    void all_draws_give_the_25_triples_and_nothing_else() {
        std::set<Triple> seen;
        for (int n = 3; n <= 6; ++n) {
            for (int family = 1; family <= 8; ++family) {
                for (int kIndex = 0; kIndex < 5; ++kIndex) {
                    WindowState state;
                    seen.insert(tripleOf(invented(state, n, family, kIndex)));
                }
            }
        }
        const std::set<Triple> expected = {
            {7, 24, 25},  {9, 40, 41},   {11, 60, 61}, {13, 84, 85},   {6, 8, 10},
            {8, 15, 17},  {10, 24, 26},  {12, 35, 37}, {14, 48, 50},   {16, 63, 65},
            {8, 6, 10},   {12, 16, 20},  {16, 30, 34}, {20, 48, 52},   {12, 9, 15},
            {18, 24, 30}, {24, 45, 51},  {30, 72, 78}, {16, 12, 20},   {24, 32, 40},
            {32, 60, 68}, {40, 96, 104}, {18, 80, 82}, {22, 120, 122}, {26, 168, 170}};
        QCOMPARE(expected.size(), std::size_t{25});
        QVERIFY(seen == expected);
    }

    void sizes_0_to_2_are_drawn_again() {
        // Draws for n of 0, 1, 2, 2, then 5; then family 1.
        ScriptedRandom random({drawFor(0, 7), drawFor(1, 7), drawFor(2, 7), drawFor(2, 7),
                               drawFor(5, 7), drawFor(0, 8)});
        WindowState state;
        QCOMPARE(vorlane::inventPyramid(state, random), (Pyramid{11, 60, 61}));
        using Call = ScriptedRandom::Call;
        const std::vector<ScriptedRandom::Record> expected = {{Call::ReseedFromClock, 0},
                                                              {Call::Draw, 0},
                                                              {Call::Draw, 0},
                                                              {Call::Draw, 0},
                                                              {Call::Draw, 0},
                                                              {Call::Draw, 0},
                                                              {Call::ReseedWith, 0},
                                                              {Call::Draw, 0}};
        QVERIFY(random.calls() == expected);
    }

    void the_largest_draw_still_gives_a_size_of_6() {
        ScriptedRandom random({std::nextafter(1.0F, 0.0F), 0.0F});
        WindowState state;
        QCOMPARE(vorlane::inventPyramid(state, random), (Pyramid{13, 84, 85}));
    }

    void k_3_comes_twice_as_often_in_families_4_to_6() {
        for (const int family : {4, 5, 6}) {
            std::map<int, int> byK;
            for (int kIndex = 0; kIndex < 5; ++kIndex) {
                WindowState state;
                invented(state, 3, family, kIndex);
                ++byK[state.tripleParam];
            }
            const std::map<int, int> expected = {{2, 1}, {3, 2}, {4, 1}, {5, 1}};
            QVERIFY2(byK == expected, qPrintable(QString::number(family)));
        }
    }

    // Families 2, 3 and 8 reseed from the last k before they draw theirs; families 4 to 6 draw
    // theirs straight on; families 1 and 7 draw none and keep the last.
    void the_last_k_seeds_only_families_2_3_and_8_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<bool>("reseedsFromK");
        QTest::addColumn<int>("k");
        QTest::newRow("family 1") << 1 << false << 6;
        QTest::newRow("family 2") << 2 << true << 3;
        QTest::newRow("family 3") << 3 << true << 4;
        QTest::newRow("family 4") << 4 << false << 3;
        QTest::newRow("family 5") << 5 << false << 3;
        QTest::newRow("family 6") << 6 << false << 3;
        QTest::newRow("family 7") << 7 << false << 6;
        QTest::newRow("family 8") << 8 << true << 3;
    }
    void the_last_k_seeds_only_families_2_3_and_8() {
        QFETCH(int, family);
        QFETCH(bool, reseedsFromK);
        QFETCH(int, k);
        WindowState state;
        state.tripleParam = 6;
        ScriptedRandom random({drawFor(4, 7), drawFor(family - 1, 8), drawFor(0, 5)});
        vorlane::inventPyramid(state, random);
        QCOMPARE(state.tripleParam, k);
        const ScriptedRandom::Record fromK{ScriptedRandom::Call::ReseedWith, 6};
        QCOMPARE(std::count(random.calls().begin(), random.calls().end(), fromK) == 1,
                 reseedsFromK);
    }

    void a_problem_reseeds_at_the_clock_the_family_the_k_and_the_type() {
        WindowState state;
        state.tripleFamily = 4;
        state.tripleParam = 5;
        state.problemType = 17;
        // n = 3, family 2, k index 1 (k = 4), type index 9 (type 10).
        ScriptedRandom random({drawFor(3, 7), drawFor(1, 8), drawFor(1, 5), drawFor(9, 21)});
        const vorlane::Problem problem = vorlane::poseProblem(state, random);
        using Call = ScriptedRandom::Call;
        const std::vector<ScriptedRandom::Record> expected = {
            {Call::ReseedFromClock, 0}, {Call::Draw, 0}, {Call::ReseedWith, 4},  {Call::Draw, 0},
            {Call::ReseedWith, 5},      {Call::Draw, 0}, {Call::ReseedWith, 17}, {Call::Draw, 0}};
        QVERIFY(random.calls() == expected);
        QCOMPARE(state.tripleFamily, 2);
        QCOMPARE(state.tripleParam, 4);
        QCOMPARE(state.problemType, 10);
        QCOMPARE(problem.familyCaption, std::string("2"));
        QCOMPARE(problem.typeCaption, std::string("10"));
        QCOMPARE(problem.correctAnswer, 17);  // the apothem of (8, 15, 17)
        QCOMPARE(state.correctAnswer, 17);
    }

    void the_first_problem_reseeds_from_zeros() {
        WindowState state;
        ScriptedRandom random({drawFor(3, 7), drawFor(0, 8), drawFor(0, 21)});
        vorlane::poseProblem(state, random);
        std::vector<std::int32_t> reseeds;
        for (const auto& call : random.calls()) {
            if (call.call == ScriptedRandom::Call::ReseedWith) {
                reseeds.push_back(call.number);
            }
        }
        QVERIFY((reseeds == std::vector<std::int32_t>{0, 0}));
    }

    // A teacher's list, and the types it leaves to the draw; a list that cannot be read, all 21.
    void a_teachers_list_chooses_the_types_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("types");  // bit t - 1 for type t, as std::bitset writes them
        QTest::addColumn<bool>("read");
        const QString all(21, '1');
        QTest::newRow("one and a range") << "9,16-18"
                                         << "000111000000100000000" << true;
        QTest::newRow("blanks, ends") << " 21 , 1 "
                                      << "100000000000000000001" << true;
        QTest::newRow("a range of one") << "5-5"
                                        << "000000000000000010000" << true;
        for (const char* bad : {"0,22", "abc", "", " ", "5-3", "3,,4", "+3", "1-", "2 3", "7-x"}) {
            QTest::newRow(bad) << bad << all << false;
        }
    }
    void a_teachers_list_chooses_the_types() {
        QFETCH(QString, list);
        QFETCH(QString, types);
        QFETCH(bool, read);
        const vorlane::ChoiceReading reading = vorlane::readProblemChoice(list.toStdString());
        QCOMPARE(QString::fromStdString(reading.choice.to_string()), types);
        QCOMPARE(reading.fault.empty(), read);
    }

    // n = 5, family 1 (11, 60, 61), then types 1, 16 and 17 drawn in turn.
    void a_type_left_out_is_drawn_again_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("type");
        QTest::newRow("all 21: the first draw") << "1-21" << 1;
        QTest::newRow("16-18: the next") << "16-18" << 16;
        QTest::newRow("17: the third") << "17" << 17;
    }
    void a_type_left_out_is_drawn_again() {
        QFETCH(QString, list);
        QFETCH(int, type);
        WindowState state;
        ScriptedRandom random(
            {drawFor(5, 7), drawFor(0, 8), drawFor(0, 21), drawFor(15, 21), drawFor(16, 21)});
        vorlane::poseProblem(state, random, vorlane::readProblemChoice(list.toStdString()).choice);
        QCOMPARE(state.problemType, type);
    }

    void a_real_source_gives_only_whole_triples_and_types() {
        vorlane::MixingRandom random;
        WindowState state;
        for (int i = 0; i < 20000; ++i) {
            const vorlane::Problem problem = vorlane::poseProblem(state, random);
            QVERIFY(state.tripleFamily >= 1 && state.tripleFamily <= 8);
            QVERIFY(state.problemType >= 1 && state.problemType <= 21);
            QVERIFY(problem.correctAnswer > 0 && problem.correctAnswer <= 978432);
        }
    }
};

QTEST_APPLESS_MAIN(PyramidTest)
#include "test_pyramid.moc"
