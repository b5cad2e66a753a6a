#pragma once

#include <functional>
#include <map>
#include <memory>

#include "platform/SystemHost.h"
#include "platform/host/linux/DesktopFacts.h"
#include "platform/host/linux/DesktopSwitch.h"

namespace swivlo::linuxhost {

class FoundValues;
class GioSettings;
class KeepAwake;
class X11Desktop;

using DesktopSwitches = std::map<Capability, std::unique_ptr<DesktopSwitch>>;

// The switches of the desktop `kind`: GNOME's, XFCE's, KDE Plasma's, or none.
DesktopSwitches makeDesktopSwitches(DesktopKind kind, FoundValues& found);

// The Linux desktop host: the switches change the desktop the user sits at. Which desktop it
// is, is decided once, at start; each switch then says whether it can work now, and why not.
class LinuxHost : public SystemHost {
public:
    // Looks at the desktop: the session bus and its services, the X server (through `x11`
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
    std::unique_ptr<FoundValues> found_;
    DesktopFacts facts_;
    DesktopSwitches switches_;
    std::unique_ptr<KeepAwake> keepAwake_;
    std::unique_ptr<GioSettings> appearance_;
};

}  // namespace swivlo::linuxhost
