#pragma once

#include <QString>

#include "platform/SystemHost.h"

namespace swivlo::linuxhost {

// Which idle and sleep inhibitor keeps the computer awake.
enum class Inhibitor { none, gnomeSession, screenSaverService, xScreenSaver };

// What Swivlo found about the desktop at start: everything the capabilities depend on.
struct DesktopFacts {
    QString desktop;  // the session's desktop names, a colon-separated list ("ubuntu:GNOME")
    bool wayland = false;
    bool colorSchemeKey = false;       // org.gnome.desktop.interface has color-scheme
    bool dockSchema = false;           // org.gnome.shell.extensions.dash-to-dock
    bool desktopIcons = false;         // ding@rastersoft.com installed, with org.gnome.shell
    bool showingDesktopHint = false;   // the window manager advertises _NET_SHOWING_DESKTOP
    bool gnomeSessionManager = false;  // org.gnome.SessionManager on the session bus
    bool screenSaverService = false;   // org.freedesktop.ScreenSaver on the session bus
    bool xScreenSaverExtension = false;
};

Inhibitor chooseInhibitor(const DesktopFacts& facts);
// Whether the Linux desktop host can do a capability on this desktop, and why not.
Support linuxSupport(Capability capability, const DesktopFacts& facts);
// The screen cleaner's full-screen window and keyboard grab need X11.
Support linuxOwnWindowsSupport(const DesktopFacts& facts);
// The bus name or extension that holds the inhibitor, for the start line.
QString inhibitorName(Inhibitor inhibitor);

}  // namespace swivlo::linuxhost
