#include "platform/host/linux/kde/KdeSwitches.h"

namespace swivlo::linuxhost::kde {

std::map<Capability, std::unique_ptr<DesktopSwitch>> makeSwitches(FoundValues&) {
    return {};
}

}  // namespace swivlo::linuxhost::kde
