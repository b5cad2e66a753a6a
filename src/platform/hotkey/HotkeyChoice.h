#pragma once

#include <QString>

#include "platform/Session.h"

namespace swivlo {

enum class HotkeyMechanism { x11Grab, gnomeKeybinding, kdeGlobalAccel, none };

// What the choice of mechanism depends on, found at start.
struct HotkeyFacts {
    Session session;
    bool qtOnX11 = false;           // the toolkit's windows are on an X server (xcb)
    bool gnomeKeybindings = false;  // GNOME's custom keybinding schemas are installed
    bool kglobalaccel = false;      // org.kde.kglobalaccel answers or starts on the session bus
};

// The desktop's own mechanism where it has one (KDE's kglobalaccel, GNOME's custom
// keybindings: on Wayland only the desktop can bind keys); else the X server's key grab on X11;
// else none.
HotkeyMechanism chooseHotkeyMechanism(const HotkeyFacts& facts);

// Why the shortcut cannot work in this session, with the command to bind instead.
QString noHotkeyReason(const Session& session);

}  // namespace swivlo
