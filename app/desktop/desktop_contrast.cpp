// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop_contrast.h"

#include <QObject>

#include "portal_reader.h"

namespace vorlane {

namespace {

class FollowedContrast final : public DesktopContrast {
  public:
    bool high() override { return PortalReader::instance().high(); }
    void follow(std::function<void(bool)> changed) override {
        // The connection ends with this object, whose context it runs in.
        QObject::connect(&PortalReader::instance(), &PortalReader::changed, &context_,
                         std::move(changed));
    }

  private:
    QObject context_;
};

}  // namespace

std::unique_ptr<DesktopContrast> portalContrast() {
    return std::make_unique<FollowedContrast>();
}

}  // namespace vorlane
