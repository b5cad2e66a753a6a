#include "platform/host/linux/DesktopFacts.h"

#include <QStringList>

#include "core/Localized.h"
#include "platform/Session.h"

namespace swivlo::linuxhost {

namespace {

Support missing(const char* reason) {
    return {false, localized(reason)};
}

}  // namespace

DesktopKind desktopKind(const QString& desktop) {
    const QStringList names = desktop.toLower().split(u':', Qt::SkipEmptyParts);
    // Budgie and the others name GNOME too ("Budgie:GNOME") but run no GNOME Shell.
    for (const char* follower : {"unity", "budgie", "pantheon"}) {
        if (names.contains(QLatin1String(follower))) {
            return DesktopKind::gnomeSettings;
        }
    }
    switch (desktopFamily(desktop)) {
        case DesktopFamily::gnome:
            return DesktopKind::gnomeShell;
        case DesktopFamily::xfce:
            return DesktopKind::xfce;
        case DesktopFamily::kde:
            return DesktopKind::kde;
        case DesktopFamily::unknown:
        case DesktopFamily::other:
            break;
    }
    return DesktopKind::other;
}

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
    const DesktopKind kind = desktopKind(facts.desktop);
    switch (capability) {
        case Capability::darkMode:
        case Capability::autoHideDock:
        case Capability::hideDesktop:
            if (kind == DesktopKind::other) {
                return missing("No desktop that has it (XDG_CURRENT_DESKTOP)");
            }
            if (kind == DesktopKind::gnomeSettings && capability != Capability::darkMode) {
                return missing("Needs GNOME Shell");
            }
            return missing("Not offered on this desktop");
        case Capability::keepAwake:
            return chooseInhibitor(facts) != Inhibitor::none || facts.powerManager
                       ? Support{}
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

QString inhibitorName(const DesktopFacts& facts) {
    QStringList names;
    switch (chooseInhibitor(facts)) {
        case Inhibitor::gnomeSession:
            names << QStringLiteral("org.gnome.SessionManager");
            break;
        case Inhibitor::screenSaverService:
            names << QStringLiteral("org.freedesktop.ScreenSaver");
            break;
        case Inhibitor::xScreenSaver:
            names << QStringLiteral("XScreenSaverSuspend");
            break;
        case Inhibitor::none:
            break;
    }
    if (facts.powerManager) {
        names << QStringLiteral("org.freedesktop.PowerManagement");
    }
    return names.join(QStringLiteral(", "));
}

}  // namespace swivlo::linuxhost
