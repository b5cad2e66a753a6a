#pragma once

#include <memory>

#include "platform/host/linux/DesktopSwitch.h"
#include "platform/host/linux/GioSettings.h"

namespace swivlo::linuxhost::gnome {

// Hide Desktop: the desktop icons extension (ding@rastersoft.com) switched off. Through the
// running shell, which handles extensions its session mode enables (Ubuntu's) and the shell's
// two lists as its own tools do; through those lists when the shell is not on the bus.
class DesktopIconsSwitch : public DesktopSwitch {
public:
    static inline const QString uuid = QStringLiteral("ding@rastersoft.com");

    DesktopIconsSwitch();
    Support support() const override;
    std::optional<bool> isOn() override;
    bool set(bool on) override;

private:
    std::unique_ptr<GioSettings> shell_;
};

}  // namespace swivlo::linuxhost::gnome
