#pragma once

#include <map>
#include <memory>

#include "platform/host/linux/DesktopSwitch.h"

namespace swivlo::linuxhost {
class FoundValues;
}

namespace swivlo::linuxhost::kde {

// The switches this desktop has a mechanism for; each one's support() says if it is usable now.
std::map<Capability, std::unique_ptr<DesktopSwitch>> makeSwitches(FoundValues& found);

}  // namespace swivlo::linuxhost::kde
