#include "platform/host/DesktopHost.h"

#include <unistd.h>

#include "platform/HostPaths.h"
#include "platform/LogOutput.h"
#include "platform/host/MacHost.h"
#include "platform/host/OsascriptRunner.h"
#include "platform/host/PosixProcessRunner.h"
#include "platform/host/SimulatedHost.h"
#include "platform/host/SystemGlobalDomain.h"

namespace swivlo {

namespace {

bool executableExists(const std::string& path) {
    return access(path.c_str(), X_OK) == 0;
}

}  // namespace

DesktopHostKind chooseDesktopHost(bool (*isExecutable)(const std::string& path)) {
    const bool real = isExecutable(HostPaths::shell) && isExecutable(HostPaths::defaults) &&
                      isExecutable(HostPaths::osascript);
    return real ? DesktopHostKind::Real : DesktopHostKind::Simulated;
}

DesktopHostKind installDesktopHost() {
    // Installed for the whole process: never released.
    static MacHost mac;
    Service<SystemHost>::install(&mac);
    const DesktopHostKind kind = chooseDesktopHost(executableExists);
    if (kind == DesktopHostKind::Real) {
        static PosixProcessRunner processes;
        static OsascriptRunner scripts(processes);
        static SystemGlobalDomain global(processes);
        Service<ProcessRunner>::install(&processes);
        Service<ScriptRunner>::install(&scripts);
        Service<GlobalDomain>::install(&global);
        logLine("Host: the real macOS host (/bin/zsh, /usr/bin/defaults, /usr/bin/osascript)");
    } else {
        const QString path = simulatedHostStatePath();
        static SimulatedHost simulated(path);
        Service<ProcessRunner>::install(&simulated);
        Service<ScriptRunner>::install(&simulated);
        Service<GlobalDomain>::install(&simulated);
        logLine("Host: the simulated macOS host, state in " + path.toStdString());
    }
    return kind;
}

}  // namespace swivlo
