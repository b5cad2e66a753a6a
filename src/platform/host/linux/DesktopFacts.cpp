#include "platform/host/linux/DesktopFacts.h"

#include <QStringList>

#include "core/Localized.h"

namespace swivlo::linuxhost {

namespace {

// The desktops whose shell and apps follow org.gnome.desktop.interface color-scheme. KDE and
// XFCE keep their own colour settings, so the key would only restyle some GTK apps there.
bool followsColorScheme(const QString& desktop) {
    static const QStringList followers = {QStringLiteral("GNOME"), QStringLiteral("Unity"),
                                          QStringLiteral("Budgie"), QStringLiteral("Pantheon")};
    for (const QString& name : desktop.split(u':', Qt::SkipEmptyParts)) {
        if (followers.contains(name, Qt::CaseInsensitive)) {
            return true;
        }
    }
    return false;
}

// Dash to Dock, Ubuntu Dock and the desktop icons are GNOME Shell extensions: their settings do
// nothing under another desktop, even where they are installed.
bool isGnomeShell(const QString& desktop) {
    return desktop.split(u':').contains(QStringLiteral("GNOME"), Qt::CaseInsensitive);
}

Support missing(const char* reason) {
    return {false, localized(reason)};
}

}  // namespace

Inhibitor chooseInhibitor(const DesktopFacts& facts) {
    if (facts.gnomeSessionManager) {
        return Inhibitor::gnomeSession;
    }
    if (facts.screenSaverService) {
        return Inhibitor::screenSaverService;
    }
    if (!facts.wayland && facts.xScreenSaverExtension) {
        return Inhibitor::xScreenSaver;
    }
    return Inhibitor::none;
}

Support linuxSupport(Capability capability, const DesktopFacts& facts) {
    switch (capability) {
        case Capability::darkMode:
            if (!facts.colorSchemeKey) {
                return missing("No colour-scheme setting");
            }
            if (!followsColorScheme(facts.desktop)) {
                return missing("The desktop keeps its own colours");
            }
            return {};
        case Capability::autoHideDock:
            if (!isGnomeShell(facts.desktop)) {
                return missing("Needs GNOME Shell");
            }
            return facts.dockSchema ? Support{} : missing("No Dash to Dock or Ubuntu Dock");
        case Capability::hideDesktop:
            if (!isGnomeShell(facts.desktop)) {
                return missing("Needs GNOME Shell");
            }
            return facts.desktopIcons ? Support{} : missing("Desktop Icons NG is not installed");
        case Capability::keepAwake:
            return chooseInhibitor(facts) != Inhibitor::none ? Support{}
                                                             : missing("No idle inhibitor found");
        case Capability::hideAllWindows:
            if (facts.wayland) {
                return missing("Needs X11");
            }
            return facts.showingDesktopHint ? Support{} : missing("The window manager lacks it");
        case Capability::stageManager:
        case Capability::hideWidgets:
            return missing("No Linux counterpart");
    }
    return {};
}

Support linuxOwnWindowsSupport(const DesktopFacts& facts) {
    return facts.wayland ? missing("Needs X11") : Support{};
}

QString inhibitorName(Inhibitor inhibitor) {
    switch (inhibitor) {
        case Inhibitor::gnomeSession:
            return QStringLiteral("org.gnome.SessionManager");
        case Inhibitor::screenSaverService:
            return QStringLiteral("org.freedesktop.ScreenSaver");
        case Inhibitor::xScreenSaver:
            return QStringLiteral("XScreenSaverSuspend");
        case Inhibitor::none:
            break;
    }
    return {};
}

}  // namespace swivlo::linuxhost
