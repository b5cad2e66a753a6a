#pragma once

#include <memory>

#include "platform/host/linux/DesktopSwitch.h"
#include "platform/host/linux/GioSettings.h"

namespace swivlo::linuxhost::gnome {

// Dark Mode: org.gnome.desktop.interface color-scheme, 'prefer-dark' or 'default'; a Yaru
// theme follows to its twin when that twin is installed.
class ColorSchemeSwitch : public DesktopSwitch {
public:
    ColorSchemeSwitch();
    Support support() const override;
    std::optional<bool> isOn() override;
    bool set(bool on) override;

private:
    std::unique_ptr<GioSettings> settings_;
};

}  // namespace swivlo::linuxhost::gnome
