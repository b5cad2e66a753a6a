#pragma once

#include <QString>
#include <optional>
#include <string>

namespace swivlo {

enum class HostKind { macos, linuxDesktop, simulated };

// What the choice depends on, found at start.
struct HostFacts {
    bool macPrograms = false;        // /bin/zsh, /usr/bin/defaults and /usr/bin/osascript
    bool sessionBus = false;         // a D-Bus session bus answers
    bool desktopName = false;        // the session names its desktop
    bool ewmhWindowManager = false;  // an EWMH window manager runs on the X server
    bool wayland = false;            // a Wayland session, named or not
};

// The host a name means (macos, linux, simulated), as --host and SWIVLO_HOST give it.
std::optional<HostKind> hostNamed(const QString& name);
// The macOS host where its programs are; else the Linux desktop host in a desktop session (any
// Wayland session, or a session bus with a named desktop or a window manager); else the
// simulated macOS host. An override wins.
HostKind chooseHost(const HostFacts& facts, std::optional<HostKind> override);
// Whether the macOS host's programs are all there, for any file-existence check.
bool macProgramsPresent(bool (*isExecutable)(const std::string& path));

}  // namespace swivlo
