#pragma once

#include <QString>

#include "platform/SystemHost.h"

namespace swivlo::linuxhost {

// Which idle and sleep inhibitor keeps the computer awake.
enum class Inhibitor { none, gnomeSession, screenSaverService, xScreenSaver };

// Whose switches the desktop gets: GNOME Shell's (with its dock and desktop icons), GNOME's
// settings only (desktops that follow GNOME's colour scheme), XFCE's, KDE Plasma's, or none.
enum class DesktopKind { gnomeShell, gnomeSettings, xfce, kde, other };

// What Swivlo found about the desktop at start: everything the capabilities depend on.
struct DesktopFacts {
    QString desktop;  // the session's desktop names, a colon-separated list ("ubuntu:GNOME")
    bool wayland = false;
    bool showingDesktopHint = false;   // the window manager advertises _NET_SHOWING_DESKTOP
    bool gnomeSessionManager = false;  // org.gnome.SessionManager on the session bus
    bool screenSaverService = false;   // org.freedesktop.ScreenSaver on the session bus
    bool powerManager = false;         // org.freedesktop.PowerManagement (xfce4-power-manager)
    bool xScreenSaverExtension = false;
};

// From XDG_CURRENT_DESKTOP.
DesktopKind desktopKind(const QString& desktop);
Inhibitor chooseInhibitor(const DesktopFacts& facts);
// Whether the Linux desktop host can do a capability on this desktop, and why not. For the
// capabilities a desktop's own switch does (Dark Mode, Auto Hide Dock, Hide Desktop): why not,
// when the desktop has no switch for it.
Support linuxSupport(Capability capability, const DesktopFacts& facts);
// The screen cleaner's full-screen window and keyboard grab need X11.
Support linuxOwnWindowsSupport(const DesktopFacts& facts);
// The bus names or extension that hold the inhibitor, for the start line.
QString inhibitorName(const DesktopFacts& facts);

}  // namespace swivlo::linuxhost
