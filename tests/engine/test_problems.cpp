#include <QtTest>

#include "problem.h"

using vorlane::Problem;
using vorlane::Pyramid;

Q_DECLARE_METATYPE(Pyramid)

namespace {

const Pyramid k6_8_10{6, 8, 10};
const Pyramid k7_24_25{7, 24, 25};

QString shownOf(const Problem& p) {
    QStringList names;
    const char* const measure[] = {"VO", "OK", "VK"};
    for (std::size_t i = 0; i < vorlane::kMeasures; ++i) {
        if (p.measureShown[i]) {
            names << measure[i];
        }
    }
    return names.join(' ');
}

QString colourOf(const Problem& p) {
    if (p.titleColour == vorlane::kGreen) {
        return "green";
    }
    if (p.titleColour == vorlane::kMagenta) {
        return "magenta";
    }
    return p.titleColour == vorlane::kBlue ? "blue" : "other";
}

}  // namespace

class ProblemsTest : public QObject {
    Q_OBJECT

  private slots:
    // What each type shows and asks, with the answers and extra numbers of two pyramids.
    void every_type_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<int>("answer6");
        QTest::addColumn<QString>("extra6");
        QTest::addColumn<int>("answer7");
        QTest::addColumn<QString>("extra7");
        const QString area = "La superficie di base misura cmq ";
        const QString perimeter = "Il perimetro di base misura cm ";
        const QString edge = "Il lato AB misura cm ";
        const QString volume = "Il volume della piramide è di cmc ";
        const QString lateral = "La superficie laterale misura cmq  ";
        auto row = [](int type) -> QTestData& { return QTest::addRow("type %d", type) << type; };
        row(1) << "Altezza VO"
               << "green"
               << "OK VK"
               << "" << 6 << "" << 7 << "";
        row(2) << "Raggio circonferenza inscritta OK"
               << "magenta"
               << "VO VK"
               << "" << 8 << "" << 24 << "";
        row(3) << "Apotema VK"
               << "blue"
               << "VO OK"
               << "" << 10 << "" << 25 << "";
        row(4) << "Superficie laterale"
               << "blue"
               << "VO OK"
               << "" << 320 << "" << 2400 << "";
        row(5) << "Superficie totale"
               << "blue"
               << "VO OK"
               << "" << 576 << "" << 4704 << "";
        row(6) << "Volume"
               << "blue"
               << "VO OK"
               << "" << 512 << "" << 5376 << "";
        row(7) << "Superficie di base"
               << "magenta"
               << "VO VK"
               << "" << 256 << "" << 2304 << "";
        row(8) << "Raggio circonferenza inscritta OK"
               << "magenta"
               << "VK" << area << 8 << "256" << 24 << "2304";
        row(9) << "Apotema VK"
               << "magenta"
               << "VO"
               << "L'area della superficie di base è cmq " << 10 << "256" << 25 << "2304";
        row(10) << "Apotema VK"
                << "magenta"
                << "VO" << perimeter << 10 << "64" << 25 << "192";
        row(11) << "Altezza VO"
                << "magenta"
                << "VK" << perimeter << 6 << "64" << 7 << "192";
        row(12) << "Altezza VO"
                << "magenta"
                << "VK" << edge << 6 << "16" << 7 << "48";
        row(13) << "Spigolo VB (approssima all'unità)"
                << "magenta"
                << "VK" << edge << 13 << "16" << 35 << "48";
        row(14) << "La superficie di base misura cmq"
                << "blue"
                << "VO" << volume << 256 << "512" << 2304 << "5376";
        row(15) << "Raggio circonferenza inscritta OK"
                << "blue"
                << "VO" << volume << 8 << "512" << 24 << "5376";
        row(16) << "Spigolo AB"
                << "blue"
                << "VO" << volume << 16 << "512" << 48 << "5376";
        row(17) << "Apotema VK"
                << "blue"
                << "OK" << lateral << 10 << "320" << 25 << "2400";
        row(18) << "Altezza VO"
                << "blue"
                << "OK" << lateral << 6 << "320" << 7 << "2400";
        row(19) << "Volume della piramide"
                << "blue"
                << "OK" << lateral << 512 << "320" << 5376 << "2400";
        row(20) << "Superficie laterale"
                << "blue"
                << "OK"
                << "La superficie totale misura cmq  " << 320 << "576" << 2400 << "4704";
        row(21) << "Altezza VO"
                << "blue"
                << "OK"
                << "Il volume del solido è cmc  " << 6 << "512" << 7 << "5376";
    }
    void every_type() {
        QFETCH(int, type);
        QFETCH(QString, title);
        QFETCH(QString, colour);
        QFETCH(QString, shown);
        QFETCH(QString, sentence);
        QFETCH(int, answer6);
        QFETCH(QString, extra6);
        QFETCH(int, answer7);
        QFETCH(QString, extra7);
        const auto t = static_cast<std::int16_t>(type);
        const Problem six = vorlane::problemFor(k6_8_10, t);
        const Problem seven = vorlane::problemFor(k7_24_25, t);
        QCOMPARE(QString::fromStdString(six.title), title);
        QCOMPARE(colourOf(six), colour);
        QCOMPARE(shownOf(six), shown);
        QCOMPARE(QString::fromStdString(six.sentence), sentence);
        QCOMPARE(six.correctAnswer, answer6);
        QCOMPARE(QString::fromStdString(six.extraDigits), extra6);
        QCOMPARE(seven.correctAnswer, answer7);
        QCOMPARE(QString::fromStdString(seven.extraDigits), extra7);
        QCOMPARE(QString::fromStdString(seven.typeCaption), QString::number(type));
    }

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
