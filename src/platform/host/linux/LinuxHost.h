#pragma once

#include <functional>
#include <map>
#include <memory>

#include "platform/SystemHost.h"
#include "platform/host/linux/DesktopFacts.h"
#include "platform/host/linux/DesktopSwitch.h"
#include "platform/host/linux/FoundValues.h"

namespace swivlo::linuxhost {

class ColorSchemeSetting;
class DesktopIconsSetting;
class DockSetting;
class KeepAwake;
class X11Desktop;

// The Linux desktop host: the switches change the desktop the user sits at. Each capability is
// detected once, at start; what the desktop lacks is unavailable with the reason.
class LinuxHost : public SystemHost {
public:
    // Looks at the desktop: schemas, extensions, the session bus, the X server (through `x11`
    // when a connection is already open).
    LinuxHost();
    explicit LinuxHost(std::unique_ptr<X11Desktop> x11);
    ~LinuxHost() override;

    const DesktopFacts& facts() const { return facts_; }
    // One line: the desktop, what works and why the rest does not.
    std::string description() const;
    // Called whenever the desktop's colour scheme changes, here or elsewhere.
    void onAppearanceChanged(std::function<void()> handler);

    Support supports(Capability capability) const override;
    Support supportsOwnWindows() const override;
    SwitchStates read(const std::vector<Capability>& capabilities) override;
    Change set(Capability capability, bool on) override;
    void perform(Capability action) override;
    void release() override;

private:
    std::unique_ptr<X11Desktop> x11_;
    std::unique_ptr<ColorSchemeSetting> colorScheme_;
    std::unique_ptr<DockSetting> dock_;
    std::unique_ptr<DesktopIconsSetting> desktopIcons_;
    std::unique_ptr<KeepAwake> keepAwake_;
    DesktopFacts facts_;
    // XFCE's and Plasma's own switches, which answer before the GNOME settings above.
    FoundValues found_;
    std::map<Capability, std::unique_ptr<DesktopSwitch>> switches_;
};

// Whether a session bus is there to connect to. Connecting without one would make the D-Bus
// library start a bus of its own, which outlives Swivlo.
bool sessionBusExists();

}  // namespace swivlo::linuxhost
