// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows_contrast.h"

#include <windows.h>

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>

#include <utility>

namespace vorlane {

namespace {

bool highContrastOn() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, contrast.cbSize, &contrast, 0) != 0 &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

class WindowsContrast final : public DesktopContrast, public QAbstractNativeEventFilter {
  public:
    WindowsContrast() : high_(highContrastOn()) {}
    WindowsContrast(const WindowsContrast&) = delete;
    WindowsContrast& operator=(const WindowsContrast&) = delete;
    ~WindowsContrast() override {
        if (following_ && QCoreApplication::instance() != nullptr) {
            QCoreApplication::instance()->removeNativeEventFilter(this);
        }
    }

    bool high() override { return high_; }

    void follow(std::function<void(bool)> changed) override {
        changed_ = std::move(changed);
        if (!following_) {
            following_ = true;
            QCoreApplication::instance()->installNativeEventFilter(this);
        }
    }

    // The switch's change reaches every top-level window as a settings change, and the system
    // colours' change that comes with it too.
    bool nativeEventFilter(const QByteArray& /*type*/, void* message,
                           qintptr* /*result*/) override {
        const auto* msg = static_cast<const MSG*>(message);
        if ((msg->message == WM_SETTINGCHANGE && msg->wParam == SPI_SETHIGHCONTRAST) ||
            msg->message == WM_SYSCOLORCHANGE) {
            const bool now = highContrastOn();
            if (now != high_) {
                high_ = now;
                if (changed_) {
                    changed_(high_);
                }
            }
        }
        return false;
    }

  private:
    bool high_;
    bool following_ = false;
    std::function<void(bool)> changed_;
};

}  // namespace

std::unique_ptr<DesktopContrast> windowsContrast() {
    return std::make_unique<WindowsContrast>();
}

}  // namespace vorlane
