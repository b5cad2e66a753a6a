#pragma once

#include <memory>

#include "platform/host/linux/GioSettings.h"
#include "platform/host/linux/RememberingSwitch.h"

namespace swivlo::linuxhost::gnome {

// Dark Mode: org.gnome.desktop.interface color-scheme 'prefer-dark', and off back to the
// scheme found ('default' or 'prefer-light'); a Yaru theme follows to its twin when that twin is
// installed.
class ColorSchemeSwitch : public RememberingSwitch {
public:
    explicit ColorSchemeSwitch(FoundValues& found);
    Support support() const override;
    std::optional<bool> isOn() override;

protected:
    std::optional<QJsonObject> valuesToKeep() override;
    bool apply(bool on, const std::optional<QJsonObject>& kept) override;

private:
    std::unique_ptr<GioSettings> settings_;
};

}  // namespace swivlo::linuxhost::gnome
