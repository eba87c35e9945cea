// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "problem.h"

using vorlane::Problem;
using vorlane::Pyramid;

Q_DECLARE_METATYPE(Pyramid)

namespace {

const Pyramid k6_8_10{6, 8, 10};
const Pyramid k7_24_25{7, 24, 25};

}  // namespace

class ProblemsTest : public QObject {
    Q_OBJECT

  private slots:
    void figure_letters_take_the_measures_on_show_data() {
        QTest::addColumn<Pyramid>("pyramid");
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("letters");
        QTest::newRow("type 8 keeps h and r")
            << Pyramid{13, 84, 85} << 8 << QStringList{"h", "r", "85"};
        QTest::newRow("type 3 keeps a") << k6_8_10 << 3 << QStringList{"6", "8", "a"};
        QTest::newRow("type 1 keeps h") << k7_24_25 << 1 << QStringList{"h", "24", "25"};
        QTest::newRow("type 14 shows the height") << k7_24_25 << 14 << QStringList{"7", "r", "a"};
        QTest::newRow("type 17 shows the inradius")
            << k7_24_25 << 17 << QStringList{"h", "24", "a"};
        QTest::newRow("type 11 shows the apothem") << k7_24_25 << 11 << QStringList{"h", "r", "25"};
        QTest::newRow("type 21, three digits")
            << Pyramid{13, 84, 85} << 21 << QStringList{"h", "84", "a"};
    }
    void figure_letters_take_the_measures_on_show() {
        QFETCH(Pyramid, pyramid);
        QFETCH(int, type);
        QFETCH(QStringList, letters);
        const Problem p = vorlane::problemFor(pyramid, static_cast<std::int16_t>(type));
        QStringList got;
        for (const auto& letter : p.figureLetters) {
            got << QString::fromStdString(letter);
        }
        QCOMPARE(got, letters);
        QCOMPARE(QString::fromStdString(p.measureCaptions[0]), QString::number(pyramid.VO));
        QCOMPARE(QString::fromStdString(p.measureCaptions[2]), QString::number(pyramid.VK));
    }

    // What a screen reader says as the answer box takes the focus: the question, then the
    // measures on show and the extra datum, each with its number and unit in words; the figure's
    // points one by one and no colon or bracket, which a screen reader would read aloud.
    void the_problem_is_told_for_the_ear_data() {
        QTest::addColumn<Pyramid>("pyramid");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("told");
        QTest::newRow("inradius and apothem")
            << k6_8_10 << 1 << "Dati raggio O K 8 centimetri e apotema V K 10 centimetri.";
        QTest::newRow("height and inradius")
            << k6_8_10 << 4 << "Dati altezza V O 6 centimetri e raggio O K 8 centimetri.";
        QTest::newRow("base area")
            << k6_8_10 << 8
            << "Dati apotema V K 10 centimetri e superficie di base 256 centimetri quadrati.";
        QTest::newRow("base perimeter")
            << k7_24_25 << 11
            << "Dati apotema V K 25 centimetri e perimetro di base 192 centimetri.";
        QTest::newRow("base edge")
            << k6_8_10 << 13 << "Dati apotema V K 10 centimetri e lato A B 16 centimetri.";
        QTest::newRow("volume") << k7_24_25 << 14
                                << "Dati altezza V O 7 centimetri e volume 5376 centimetri cubi.";
        QTest::newRow("base edge asked")
            << k7_24_25 << 16 << "Dati altezza V O 7 centimetri e volume 5376 centimetri cubi.";
        QTest::newRow("lateral surface")
            << k7_24_25 << 17
            << "Dati raggio O K 24 centimetri e superficie laterale 2400 centimetri quadrati.";
        QTest::newRow("total surface")
            << k6_8_10 << 20
            << "Dati raggio O K 8 centimetri e superficie totale 576 centimetri quadrati.";
        QTest::newRow("volume of the solid, three digits")
            << Pyramid{13, 84, 85} << 21
            << "Dati raggio O K 84 centimetri e volume 122304 centimetri cubi.";
    }
    void the_problem_is_told_for_the_ear() {
        QFETCH(Pyramid, pyramid);
        QFETCH(int, type);
        QFETCH(QString, told);
        const Problem p = vorlane::problemFor(pyramid, static_cast<std::int16_t>(type));
        QCOMPARE(QString::fromStdString(p.spoken).section("? ", 1), told);
    }

    void every_type_is_asked_as_a_question_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("question");
        const auto row = [](int type, const char* question) {
            QTest::addRow("type %d", type) << type << QString(question);
        };
        row(1, "Quanto misura l'altezza V O?");
        row(2, "Quanto misura il raggio della circonferenza inscritta O K?");
        row(3, "Quanto misura l'apotema V K?");
        row(4, "Quanto misura la superficie laterale?");
        row(5, "Quanto misura la superficie totale?");
        row(6, "Quanto misura il volume?");
        row(7, "Quanto misura la superficie di base?");
        row(8, "Quanto misura il raggio della circonferenza inscritta O K?");
        row(9, "Quanto misura l'apotema V K?");
        row(10, "Quanto misura l'apotema V K?");
        row(11, "Quanto misura l'altezza V O?");
        row(12, "Quanto misura l'altezza V O?");
        row(13, "Quanto misura lo spigolo V B, approssimato all'unità?");
        row(14, "Quanto misura la superficie di base, in centimetri quadrati?");
        row(15, "Quanto misura il raggio della circonferenza inscritta O K?");
        row(16, "Quanto misura lo spigolo A B?");
        row(17, "Quanto misura l'apotema V K?");
        row(18, "Quanto misura l'altezza V O?");
        row(19, "Quanto misura il volume della piramide?");
        row(20, "Quanto misura la superficie laterale?");
        row(21, "Quanto misura l'altezza V O?");
    }
    void every_type_is_asked_as_a_question() {
        QFETCH(int, type);
        QFETCH(QString, question);
        const Problem p = vorlane::problemFor(k7_24_25, static_cast<std::int16_t>(type));
        QCOMPARE(QString::fromStdString(p.spoken).section(" Dati ", 0, 0), question);
    }

    void the_lateral_edge_is_rounded_data() {
        QTest::addColumn<Pyramid>("pyramid");
        QTest::addColumn<int>("edge");
        QTest::newRow("sqrt 164 = 12.81") << k6_8_10 << 13;
        QTest::newRow("sqrt 1201 = 34.66") << k7_24_25 << 35;
        QTest::newRow("sqrt 14281 = 119.50") << Pyramid{13, 84, 85} << 120;
    }
    void the_lateral_edge_is_rounded() {
        QFETCH(Pyramid, pyramid);
        QFETCH(int, edge);
        QCOMPARE(vorlane::problemFor(pyramid, 13).correctAnswer, edge);
    }

    void the_largest_pyramid_stays_in_range_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("extra");
        QTest::newRow("volume, type 6") << 6 << 978432 << "";
        QTest::newRow("volume, type 19") << 19 << 978432 << "114240";
        QTest::newRow("base area from the volume") << 14 << 112896 << "978432";
        QTest::newRow("total surface") << 5 << 227136 << "";
        QTest::newRow("lateral from total") << 20 << 114240 << "227136";
        QTest::newRow("lateral edge") << 13 << 239 << "336";
    }
    void the_largest_pyramid_stays_in_range() {
        QFETCH(int, type);
        QFETCH(int, answer);
        QFETCH(QString, extra);
        const Problem p = vorlane::problemFor({26, 168, 170}, static_cast<std::int16_t>(type));
        QCOMPARE(p.correctAnswer, answer);
        QCOMPARE(QString::fromStdString(p.extraDigits), extra);
    }

    void the_volume_is_whole_for_every_triple() {
        const Pyramid triples[] = {{8, 6, 10}, {12, 9, 15}, {9, 40, 41}, {16, 63, 65}};
        const int volumes[] = {384, 1296, 19200, 84672};
        for (std::size_t i = 0; i < std::size(triples); ++i) {
            QCOMPARE(vorlane::problemFor(triples[i], 6).correctAnswer, volumes[i]);
        }
    }

    void only_type_1_has_a_green_title() {
        for (std::int16_t type = 1; type <= vorlane::kProblemTypes; ++type) {
            const bool green = vorlane::problemFor(k6_8_10, type).titleColour == vorlane::kGreen;
            QCOMPARE(green, type == 1);
        }
    }

    void a_type_outside_1_to_21_is_refused() {
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, vorlane::problemFor(k6_8_10, 0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, vorlane::problemFor(k6_8_10, 22));
    }
};

QTEST_APPLESS_MAIN(ProblemsTest)
#include "test_problems.moc"
