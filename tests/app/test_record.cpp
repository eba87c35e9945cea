// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>

#include "csv_record.h"
#include "game.h"
#include "game_options.h"

namespace {

const QByteArray kHead =
    "\xEF\xBB\xBF"
    "Data e ora;Tipo;Problema;Dati;Risposta giusta;Risposta data;Esito;Secondi;Esatte;Errate;"
    "Totali\r\n";
const QRegularExpression kWhen(R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d(Z|[+-]\d\d:\d\d);)");

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes, QIODevice::OpenMode mode) {
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(mode) && file.write(bytes) >= 0;
}

// What a game running elsewhere writes: `count` answers of type `type`.
void writeAnswers(const QString& folder, int count, int type) {
    auto record = vorlane::csvRecord(folder);
    vorlane::AnsweredProblem answer;
    answer.type = static_cast<std::int16_t>(type);
    for (int i = 0; i < count; ++i) {
        answer.totalCount = std::to_string(i);
        record->keep(answer);
    }
}

// Every line whole, the times first; the counts of each writer's rows, in order.
QList<int> wholeLines(const QByteArray& file) {
    QList<int> rows(3);
    const QList<QByteArray> lines = file.mid(kHead.size()).split('\n');
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const QList<QByteArray> fields = lines[i].split(';');
        if (!kWhen.match(QString::fromUtf8(lines[i])).hasMatch() || fields.size() != 11 ||
            fields[10] != QByteArray::number(rows[fields[1].toInt()]++) + '\r') {
            return {};
        }
    }
    return lines.back().isEmpty() ? rows : QList<int>{};
}

}  // namespace

class RecordTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

  private slots:
    void a_scripted_play_is_kept_line_by_line() {
        vorlane::ScriptedDesktop desk(scripted({0.79F, 0.06F, 0.07F, 0.79F, 0.06F, 0.40F}));
        desk.platform.record = vorlane::csvRecord(dir_.path() + "/play");
        vorlane::ScriptedClock& clock = *desk.clock;
        vorlane::Tavola window(std::move(desk.platform));
        window.show();
        auto* box = window.findChild<QLineEdit*>("txtAnswer");
        clock.now = vorlane::TimeOfDay::at(10, 0, 42);
        QTest::keyClicks(box, "59");
        QTest::keyClick(box, Qt::Key_Return);
        clock.now = vorlane::TimeOfDay::at(10, 1, 0);
        window.cmdNext_Click();
        clock.now = vorlane::TimeOfDay::at(10, 1, 5);
        QTest::keyClicks(box, "61");
        QTest::keyClick(box, Qt::Key_Return);
        const QByteArray file = readAll(dir_.path() + "/play/registro.csv");
        QVERIFY(file.startsWith(kHead));
        QStringList lines = QString::fromUtf8(file.mid(kHead.size())).split("\r\n");
        for (QString& line : lines) {
            QVERIFY(line.isEmpty() || kWhen.match(line).hasMatch());
            line.remove(kWhen);
        }
        QCOMPARE(
            lines,
            QStringList(
                {"2;Raggio circonferenza inscritta OK;VO = 11 cm, VK = 61 cm;60;59;errata;42;0;1;1",
                 "9;Apotema VK;VO = 11 cm, L'area della superficie di base è cmq "
                 "14400;61;61;esatta;"
                 "5;1;1;2",
                 ""}));
        QCOMPARE(QFile::permissions(dir_.path() + "/play/registro.csv") & 0x7777,
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    }

    // Where the file cannot be, even for root: a folder in its place.
    void a_record_that_cannot_be_written_is_said_once() {
        QVERIFY(QDir().mkpath(dir_.path() + "/blocked/registro.csv"));
        vorlane::ScriptedDesktop desk;
        desk.platform.record = vorlane::csvRecord(dir_.path() + "/blocked");
        vorlane::ScriptedBoxes& boxes = *desk.boxes;
        vorlane::Tavola window(std::move(desk.platform));
        window.show();
        for (int i = 0; i < 2; ++i) {
            QTest::keyClick(window.findChild<QLineEdit*>("txtAnswer"), Qt::Key_Return);
            window.cmdNext_Click();
        }
        QCOMPARE(boxes.shown.size(), 1U);
        QCOMPARE(boxes.shown[0].text, "Il registro non si può scrivere: avvisa l'insegnante.");
    }

    // Two games of one pupil at once; a game killed while it writes, then a line cut by a power
    // failure, set apart at the next answer.
    void every_line_stays_whole() {
        const QString folder = dir_.path() + "/shared";
        QProcess first;
        QProcess second;
        first.start(QCoreApplication::applicationFilePath(), {"--write", folder, "400", "1"});
        second.start(QCoreApplication::applicationFilePath(), {"--write", folder, "400", "2"});
        QVERIFY(first.waitForFinished() && second.waitForFinished());
        QCOMPARE(wholeLines(readAll(folder + "/registro.csv")), QList<int>({0, 400, 400}));
        QFile::remove(folder + "/registro.csv");
        first.start(QCoreApplication::applicationFilePath(), {"--write", folder, "100000", "1"});
        QTRY_VERIFY(readAll(folder + "/registro.csv").count('\n') > 100);
        first.kill();
        first.waitForFinished();
        QVERIFY(writeFile(folder + "/registro.csv", "2026-12-10T1", QIODevice::Append));
        // Killed between making its lock and writing in it.
        QVERIFY(writeFile(folder + "/registro.csv.lock", "", QIODevice::WriteOnly));
        writeAnswers(folder, 1, 2);
        QCOMPARE(wholeLines(readAll(folder + "/registro.csv")).value(2), 1);
        QVERIFY(readAll(folder + "/registro-righe-rotte.txt").endsWith("2026-12-10T1\n"));
    }

    // The command line over the pupil's settings, those over the computer's.
    void the_nearest_setting_wins_data() {
        QTest::addColumn<QStringList>("line");
        QTest::addColumn<QString>("pupil");
        QTest::addColumn<QString>("computer");
        QTest::addColumn<QString>("types");
        QTest::addColumn<bool>("record");
        const auto row = [](const char* tag, const QStringList& line, const char* pupil,
                            const char* computer, const QString& types, bool record) {
            QTest::newRow(tag) << line << QString(pupil) << QString(computer) << types << record;
        };
        const QString all(21, '1');
        row("none", {}, "", "", all, false);
        row("the lab's", {}, "", "problemi=16-18\nregistro=true", "000111000000000000000", true);
        row("the pupil's", {}, "problemi=9\nregistro=no", "problemi=16-18\nregistro=sì",
            "000000000000100000000", false);
        row("the line's", {"--problemi", "21", "--registro"}, "problemi=9", "",
            "100000000000000000000", true);
        row("unreadable", {"--problemi=0,22"}, "registro=forse", "problemi=9", all, false);
    }
    void the_nearest_setting_wins() {
        QFETCH(QStringList, line);
        QFETCH(QString, pupil);
        QFETCH(QString, computer);
        QFETCH(QString, types);
        QFETCH(bool, record);
        const QString root = dir_.path() + "/" + QTest::currentDataTag();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, root + "/user");
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, root + "/system");
        QVERIFY(
            writeFile(root + "/user/vorlane/vorlane.conf", pupil.toUtf8(), QIODevice::WriteOnly));
        QVERIFY(writeFile(root + "/system/vorlane/vorlane.conf", computer.toUtf8(),
                          QIODevice::WriteOnly));
        const vorlane::GameOptions options = vorlane::gameOptions(QStringList("vorlane") + line);
        QCOMPARE(QString::fromStdString(options.problems.to_string()), types);
        QCOMPARE(options.record, record);
    }
};

int main(int argc, char* argv[]) {
    if (argc == 5 && QByteArray(argv[1]) == "--write") {
        writeAnswers(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]));
        return 0;
    }
    QApplication app(argc, argv);
    RecordTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_record.moc"
