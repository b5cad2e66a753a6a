#include "platform/host/HostChoice.h"

#include "platform/HostPaths.h"

namespace swivlo {

std::optional<HostKind> hostNamed(const QString& name) {
    if (name == QLatin1String("macos")) {
        return HostKind::macos;
    }
    if (name == QLatin1String("linux")) {
        return HostKind::linuxDesktop;
    }
    if (name == QLatin1String("simulated")) {
        return HostKind::simulated;
    }
    return std::nullopt;
}

HostKind chooseHost(const HostFacts& facts, std::optional<HostKind> override) {
    if (override) {
        return *override;
    }
    if (facts.macPrograms) {
        return HostKind::macos;
    }
    // Only a desktop runs a Wayland compositor: the simulated host must never answer for it.
    if (facts.wayland || (facts.sessionBus && (facts.desktopName || facts.ewmhWindowManager))) {
        return HostKind::linuxDesktop;
    }
    return HostKind::simulated;
}

bool macProgramsPresent(bool (*isExecutable)(const std::string& path)) {
    return isExecutable(HostPaths::shell) && isExecutable(HostPaths::defaults) &&
           isExecutable(HostPaths::osascript);
}

}  // namespace swivlo
