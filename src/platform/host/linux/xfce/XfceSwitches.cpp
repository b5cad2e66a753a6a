#include "platform/host/linux/xfce/XfceSwitches.h"

namespace swivlo::linuxhost::xfce {

std::map<Capability, std::unique_ptr<DesktopSwitch>> makeSwitches(FoundValues&) {
    return {};
}

}  // namespace swivlo::linuxhost::xfce
