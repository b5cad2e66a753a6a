#include "platform/host/DesktopHost.h"

#include <unistd.h>

#include <QDBusConnection>

#include "platform/LogOutput.h"
#include "platform/Session.h"
#include "platform/host/HostChoice.h"
#include "platform/host/MacHost.h"
#include "platform/host/OsascriptRunner.h"
#include "platform/host/PosixProcessRunner.h"
#include "platform/host/SimulatedHost.h"
#include "platform/host/SystemGlobalDomain.h"
#include "platform/host/linux/LinuxHost.h"
#include "platform/host/linux/X11Desktop.h"

namespace swivlo {

namespace {

bool executableExists(const std::string& path) {
    return access(path.c_str(), X_OK) == 0;
}

// The host's appearance as the Linux desktop reports it: the colour scheme's changes.
class LinuxGlobalDomain : public GlobalDomain {
public:
    explicit LinuxGlobalDomain(linuxhost::LinuxHost& host) {
        host.onAppearanceChanged([this] { notifyAppearanceChanged(); });
    }
    std::optional<QVariant> persistentValue(const std::string&) const override {
        return std::nullopt;
    }
};

std::optional<HostKind> overriddenHost() {
    const QString name = QString::fromLocal8Bit(qgetenv("SWIVLO_HOST"));
    if (name.isEmpty()) {
        return std::nullopt;
    }
    const auto kind = hostNamed(name);
    if (!kind) {
        logLine("SWIVLO_HOST=" + name.toStdString() +
                " is not a host (macos, linux, simulated): choosing by the machine");
    }
    return kind;
}

// An X connection opened to look for a window manager is left in `x11` for the host to keep.
HostFacts machineFacts(std::unique_ptr<linuxhost::X11Desktop>& x11) {
    HostFacts facts;
    facts.macPrograms = macProgramsPresent(executableExists);
    if (!facts.macPrograms) {
        const Session& session = Session::current();
        facts.sessionBus = session.sessionBus && QDBusConnection::sessionBus().isConnected();
        facts.desktopName = !session.desktopNames.isEmpty();
        facts.wayland = session.isWayland();
        if (facts.sessionBus && !facts.desktopName && !facts.wayland) {
            x11 = std::make_unique<linuxhost::X11Desktop>();
            facts.ewmhWindowManager = x11->hasEwmhWindowManager();
        }
    }
    return facts;
}

void installMacHost(bool real) {
    // Installed for the whole process: never released.
    static MacHost mac;
    Service<SystemHost>::install(&mac);
    if (real) {
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
}

}  // namespace

void installDesktopHost() {
    const std::optional<HostKind> override = overriddenHost();
    std::unique_ptr<linuxhost::X11Desktop> x11;
    const HostKind kind = chooseHost(override ? HostFacts{} : machineFacts(x11), override);
    if (kind != HostKind::linuxDesktop) {
        installMacHost(kind == HostKind::macos);
        return;
    }
    static linuxhost::LinuxHost desktop(x11 ? std::move(x11)
                                            : std::make_unique<linuxhost::X11Desktop>());
    static LinuxGlobalDomain global(desktop);
    Service<SystemHost>::install(&desktop);
    Service<GlobalDomain>::install(&global);
    logLine(desktop.description());
}

}  // namespace swivlo
