#pragma once

#include <QString>

namespace swivlo {

// What kind of graphical session Swivlo runs in.
enum class DisplayServer { none, x11, wayland };

// The desktops Swivlo knows apart, as the session names them.
enum class DesktopFamily { unknown, gnome, kde, xfce, other };

// The variables the session is told from, as this process got them.
struct SessionEnvironment {
    QString display;                 // DISPLAY
    QString waylandDisplay;          // WAYLAND_DISPLAY
    QString sessionType;             // XDG_SESSION_TYPE
    QString currentDesktop;          // XDG_CURRENT_DESKTOP
    QString sessionDesktop;          // XDG_SESSION_DESKTOP
    QString desktopSession;          // DESKTOP_SESSION
    bool sessionBusAddress = false;  // DBUS_SESSION_BUS_ADDRESS set, or $XDG_RUNTIME_DIR/bus

    static SessionEnvironment ofThisProcess();
};

// The session, decided once at start: every choice of mechanism (host, global shortcut, look)
// starts from here rather than reading the environment again.
struct Session {
    DisplayServer server = DisplayServer::none;
    // An X server is named (X11, or Xwayland inside a Wayland session).
    bool xDisplay = false;
    DesktopFamily desktop = DesktopFamily::unknown;
    // The desktop's name as the session gave it ("ubuntu:GNOME"); empty when none did.
    QString desktopNames;
    bool sessionBus = false;

    bool isWayland() const { return server == DisplayServer::wayland; }
    // X11 or Wayland: a desktop the user sits at.
    bool isGraphical() const { return server != DisplayServer::none; }

    static Session from(const SessionEnvironment& environment);
    // This process's session, read at the first call.
    static const Session& current();
};

// The desktop a colon-separated list of names ("ubuntu:GNOME") names first.
DesktopFamily desktopFamily(const QString& names);
// "X11", "Wayland" or "no display", for log lines.
QString displayServerName(DisplayServer server);

}  // namespace swivlo
