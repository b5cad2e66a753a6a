#pragma once

#include <map>
#include <memory>

#include "platform/host/linux/DesktopSwitch.h"
#include "platform/host/linux/FoundValues.h"

namespace swivlo::linuxhost::xfce {

// XFCE 4.18's Dark Mode (the XSETTINGS theme with xfwm4's), Hide Desktop (xfdesktop's icons)
// and Auto Hide Dock (the dock panel's hiding), all through xfconf. `found` must outlive them.
std::map<Capability, std::unique_ptr<DesktopSwitch>> makeSwitches(FoundValues& found);

}  // namespace swivlo::linuxhost::xfce
