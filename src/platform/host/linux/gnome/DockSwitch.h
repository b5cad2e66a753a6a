#pragma once

#include <memory>

#include "platform/host/linux/GioSettings.h"
#include "platform/host/linux/RememberingSwitch.h"

namespace swivlo::linuxhost::gnome {

// Auto Hide Dock: Dash to Dock's (and Ubuntu Dock's) dock-fixed, autohide and intellihide, set
// so the dock hides also on an empty desktop. Off gives back the values found before, also
// after a restart; with none kept, the dock's own defaults.
class DockSwitch : public RememberingSwitch {
public:
    explicit DockSwitch(FoundValues& found);
    Support support() const override;
    std::optional<bool> isOn() override;

protected:
    std::optional<QJsonObject> valuesToKeep() override;
    bool apply(bool on, const std::optional<QJsonObject>& kept) override;

private:
    std::unique_ptr<GioSettings> settings_;
};

}  // namespace swivlo::linuxhost::gnome
