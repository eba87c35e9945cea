// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QStandardPaths>

#include <ctime>

#include "desktop_contrast.h"
#include "desktop_voice.h"
#include "message_boxes.h"
#include "platform.h"
#include "qt_services.h"
#include "random_source.h"
#include "system_files.h"

namespace vorlane {

namespace {

// What tells one process from a later one that got its number: the state letter and the start
// time, fields 3 and 22 of /proc/PID/stat; empty once the process is gone.
struct ProcessMark {
    char state = 0;
    QByteArray started;
};

ProcessMark processMark(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray line = stat.readAll();
    // The name in brackets may hold blanks and brackets of its own.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    constexpr int kStartField = 22 - 3;
    if (fields.size() <= kStartField || fields.front().isEmpty()) {
        return {};
    }
    return {fields.front().front(), fields.at(kStartField)};
}

// The calculator is the pupil's own program: it is started detached, so that it lives on when the
// game ends, and followed by its process id.
class QtProgramStarter final : public ProgramStarter {
  public:
    QString find(const QString& name) override { return QStandardPaths::findExecutable(name); }

    bool start(const QString& path) override {
        QProcess program;
        program.setProgram(path);
        // What it prints, possibly without end, must not fill the game's log or its memory.
        program.setStandardInputFile(QProcess::nullDevice());
        program.setStandardOutputFile(QProcess::nullDevice());
        program.setStandardErrorFile(QProcess::nullDevice());
        qint64 pid = 0;
        if (!program.startDetached(&pid)) {
            return false;
        }
        pid_ = pid;
        mark_ = processMark(pid);
        return true;
    }

    bool running() override {
        if (pid_ == 0) {
            return false;
        }
        const ProcessMark now = processMark(pid_);
        return now.started == mark_.started && now.state != 'Z' && now.state != 'X' &&
               now.state != 0;
    }

  private:
    qint64 pid_ = 0;
    ProcessMark mark_;
};

class QtClock final : public DesktopClock {
  public:
    // The clock ticks five times a second and reads the time up to three times a tick. Reading
    // the local time anew checks the zone's file on disk each time, so the zone's offset from
    // UTC is read again only when the minute changes: a change of summer time falls on a whole
    // minute, and a change of the desktop's zone shows within one.
    TimeOfDay timeOfDay() override {
        constexpr std::time_t kMinute = 60;
        constexpr std::time_t kDay = 86400;  // seconds
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        const std::time_t minute = now.tv_sec / kMinute;
        if (minute != offsetMinute_) {
            tzset();
            std::tm local{};
            localtime_r(&now.tv_sec, &local);
            offset_ = local.tm_gmtoff;
            offsetMinute_ = minute;
        }
        return TimeOfDay{static_cast<std::int32_t>(((now.tv_sec + offset_) % kDay + kDay) % kDay)};
    }
    std::uint64_t ticks() override { return systemNanoseconds(); }

  private:
    std::time_t offsetMinute_ = -1;  // the UTC minute the offset was read in
    long offset_ = 0;                // seconds east of UTC, as the C library gives it
};

}  // namespace

QString qtTranslationsFolder() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

Platform desktopPlatform(QWidget* window, const GameOptions& options) {
    Platform platform;
    platform.boxes = desktopMessageBoxes(window);
    platform.starter = std::make_unique<QtProgramStarter>();
    platform.clock = std::make_unique<QtClock>();
    platform.contrast = portalContrast();
    if (options.aloud) {
        platform.voice = std::make_unique<DesktopVoice>();
    }
    addCommonServices(platform, options);
    return platform;
}

}  // namespace vorlane
