// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include <windows.h>

#include <QStandardPaths>
#include <QString>

#include <string>

#include "message_boxes.h"
#include "platform.h"
#include "qt_services.h"
#include "random_source.h"
#include "sapi_voice.h"
#include "system_files.h"
#include "windows_contrast.h"

namespace vorlane {

namespace {

// The calculator is the pupil's own program: it lives on when the game ends, and is followed by
// its process handle, which no later process can take over as it could a process number.
class WindowsProgramStarter final : public ProgramStarter {
  public:
    WindowsProgramStarter() = default;
    WindowsProgramStarter(const WindowsProgramStarter&) = delete;
    WindowsProgramStarter& operator=(const WindowsProgramStarter&) = delete;
    ~WindowsProgramStarter() override { forget(); }

    QString find(const QString& name) override { return QStandardPaths::findExecutable(name); }

    bool start(const QString& path) override {
        std::wstring line = L'"' + path.toStdWString() + L'"';
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        // Minimised, and with the focus: the pupil finds it on the task bar, and the game's
        // window does not hide behind it.
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWMINIMIZED;
        PROCESS_INFORMATION process{};
        // Inheriting no handle, it writes nowhere the game reads, and the game's end is not its.
        if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NEW_PROCESS_GROUP,
                           nullptr, nullptr, &startup, &process) == 0) {
            return false;
        }
        CloseHandle(process.hThread);
        forget();
        process_ = process.hProcess;
        return true;
    }

    bool running() override {
        return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
    }

  private:
    void forget() {
        if (process_ != nullptr) {
            CloseHandle(process_);
            process_ = nullptr;
        }
    }

    HANDLE process_ = nullptr;
};

class WindowsClock final : public DesktopClock {
  public:
    // Windows keeps the local time itself, summer time and the zone's changes included.
    TimeOfDay timeOfDay() override {
        SYSTEMTIME now{};
        GetLocalTime(&now);
        constexpr std::int32_t kHour = 3600;
        constexpr std::int32_t kMinute = 60;  // seconds
        return TimeOfDay{now.wHour * kHour + now.wMinute * kMinute + now.wSecond};
    }
    std::uint64_t ticks() override { return systemNanoseconds(); }
};

}  // namespace

QString qtTranslationsFolder() {
    return QStringLiteral(":/translations");
}

Platform desktopPlatform(QWidget* window, const GameOptions& options) {
    Platform platform;
    platform.boxes = desktopMessageBoxes(window);
    platform.starter = std::make_unique<WindowsProgramStarter>();
    platform.clock = std::make_unique<WindowsClock>();
    platform.contrast = windowsContrast();
    if (options.aloud) {
        platform.voice = sapiVoice();
    }
    addCommonServices(platform, options);
    return platform;
}

}  // namespace vorlane
