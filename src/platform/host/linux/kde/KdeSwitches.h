#pragma once

#include <map>
#include <memory>

#include "platform/host/linux/DesktopSwitch.h"
#include "platform/host/linux/FoundValues.h"

namespace swivlo::linuxhost::kde {

// KDE Plasma 5.27's Dark Mode (the colour scheme, applied with plasma-apply-colorscheme), Hide
// Desktop (the Folder View desktop's filter) and Auto Hide Dock (the panel's hiding), the last
// two through plasmashell's scripting. `found` must outlive them.
std::map<Capability, std::unique_ptr<DesktopSwitch>> makeSwitches(FoundValues& found);

}  // namespace swivlo::linuxhost::kde
