// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "csv_record.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>

#include <chrono>
#include <cstdio>
#include <string>

#include "record_row.h"

namespace vorlane {

namespace {

constexpr QFile::Permissions kPupilOnly = QFile::ReadOwner | QFile::WriteOwner;
// Another game of the same pupil holds the lock for one line at most, a few milliseconds; a
// lock older than a second was left by a game killed before it could say whose lock it was.
constexpr int kLockWaitMs = 2000;
constexpr std::chrono::milliseconds kLockStale{1000};
// The byte-order mark that tells a spreadsheet the file is UTF-8.
constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";

// Now, local, to the second, with the offset from UTC: 2026-12-10T11:15:06+01:00.
std::string localNow() {
    const QDateTime now = QDateTime::currentDateTime();
    return now.toOffsetFromUtc(now.offsetFromUtc()).toString(Qt::ISODate).toStdString();
}

class CsvRecord final : public AnswerRecord {
  public:
    explicit CsvRecord(const QString& folder)
        : folder_(folder), path_(folder + QStringLiteral("/registro.csv")) {}

    bool keep(const AnsweredProblem& answer) override {
        if (failed_) {
            return false;
        }
        QString why;
        if (!write(recordLine(localNow(), answer), why)) {
            failed_ = true;
            std::fprintf(stderr,
                         "vorlane: il registro %s non si può scrivere (%s); si gioca senza.\n",
                         qPrintable(QDir::toNativeSeparators(path_)), qPrintable(why));
            return false;
        }
        return true;
    }

  private:
    bool write(const std::string& line, QString& why) {
        if (!QDir().mkpath(folder_)) {
            why = QStringLiteral("la cartella non si crea");
            return false;
        }
        QLockFile lock(path_ + QStringLiteral(".lock"));
        lock.setStaleLockTime(kLockStale);
        if (!lock.tryLock(kLockWaitMs)) {
            why = QStringLiteral("un altro gioco lo tiene occupato");
            return false;
        }
        QFile file(path_);
        if (!file.open(QIODevice::ReadWrite, kPupilOnly)) {
            why = file.errorString();
            return false;
        }
        if (!repaired_ && !setTornLineApart(file, why)) {
            return false;
        }
        repaired_ = true;
        std::string bytes = file.size() == 0 ? kUtf8Mark + std::string(kRecordHeader) : "";
        bytes += line;
        file.seek(file.size());
        if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
                static_cast<qint64>(bytes.size()) ||
            !file.flush()) {
            why = file.errorString();
            return false;
        }
        return true;
    }

    // A last line without its end was cut while it was written: it goes to a file of its own,
    // and the record ends again with a whole line.
    bool setTornLineApart(QFile& file, QString& why) {
        const qint64 size = file.size();
        if (size == 0 || !file.seek(size - 1) || file.read(1) == "\n") {
            return true;
        }
        file.seek(0);
        const QByteArray all = file.readAll();
        const qint64 end = all.lastIndexOf('\n') + 1;
        QFile torn(path_.chopped(4) + QStringLiteral("-righe-rotte.txt"));
        if (!torn.open(QIODevice::WriteOnly | QIODevice::Append, kPupilOnly) ||
            torn.write(all.mid(end) + "\n") < 0 || !torn.flush() || !file.resize(end)) {
            why = torn.errorString();
            return false;
        }
        return true;
    }

    QString folder_;
    QString path_;
    bool repaired_ = false;
    bool failed_ = false;
};

}  // namespace

std::unique_ptr<AnswerRecord> csvRecord(const QString& folder) {
    return std::make_unique<CsvRecord>(
        folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                         : folder);
}

}  // namespace vorlane
