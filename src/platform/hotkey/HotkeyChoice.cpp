#include "platform/hotkey/HotkeyChoice.h"

#include "core/Localized.h"
#include "platform/hotkey/GlobalHotkey.h"

namespace swivlo {

HotkeyMechanism chooseHotkeyMechanism(const HotkeyFacts& facts) {
    const Session& session = facts.session;
    if (session.sessionBus && session.desktop == DesktopFamily::kde && facts.kglobalaccel) {
        return HotkeyMechanism::kdeGlobalAccel;
    }
    if (session.sessionBus && session.desktop == DesktopFamily::gnome && facts.gnomeKeybindings) {
        return HotkeyMechanism::gnomeKeybinding;
    }
    // Through Xwayland a grab only sees keys aimed at X11 windows: no global shortcut.
    if (session.server == DisplayServer::x11 && facts.qtOnX11) {
        return HotkeyMechanism::x11Grab;
    }
    return HotkeyMechanism::none;
}

QString noHotkeyReason(const Session& session) {
    QString where = displayServerName(session.server);
    if (!session.desktopNames.isEmpty()) {
        where += QStringLiteral(", ") + session.desktopNames;
    }
    return localized(
               "The shortcut cannot work in this session (%1): bind the command "
               "\u201c%2\u201d to it in the desktop's keyboard settings.")
        .arg(where, QString::fromLatin1(togglePanelCommand));
}

}  // namespace swivlo
