#include "platform/host/linux/gnome/GnomeSwitches.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>

#include "platform/host/linux/gnome/ColorSchemeSwitch.h"
#include "platform/host/linux/gnome/DesktopIconsSwitch.h"
#include "platform/host/linux/gnome/DockSwitch.h"

namespace swivlo::linuxhost::gnome {

std::map<Capability, std::unique_ptr<DesktopSwitch>> makeSwitches(FoundValues& found, bool shell) {
    std::map<Capability, std::unique_ptr<DesktopSwitch>> switches;
    switches[Capability::darkMode] = std::make_unique<ColorSchemeSwitch>(found);
    if (shell) {
        switches[Capability::autoHideDock] = std::make_unique<DockSwitch>(found);
        switches[Capability::hideDesktop] = std::make_unique<DesktopIconsSwitch>();
    }
    return switches;
}

QString gtkThemeFor(const QString& theme, bool dark) {
    static const QRegularExpression yaru(QStringLiteral("^(Yaru(?:-(?!dark$)[a-z]+)?)(?:-dark)?$"));
    const auto match = yaru.match(theme);
    if (!match.hasMatch()) {
        return theme;
    }
    return dark ? match.captured(1) + QStringLiteral("-dark") : match.captured(1);
}

bool themeExists(const QString& name) {
    if (name.isEmpty() || name.contains(u'/') || name.startsWith(u'.')) {
        return false;
    }
    if (QDir(QDir::homePath() + QStringLiteral("/.themes/") + name).exists()) {
        return true;
    }
    return !QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                   QStringLiteral("themes/") + name,
                                   QStandardPaths::LocateDirectory)
                .isEmpty();
}

QStringList withEntry(QStringList list, const QString& entry, bool present) {
    const bool had = list.contains(entry);
    if (!present) {
        list.removeAll(entry);
    } else if (!had) {
        list.append(entry);
    }
    return list;
}

bool dockHidesItself(bool fixed, bool autohide, bool intellihide) {
    return !fixed && autohide && !intellihide;
}

}  // namespace swivlo::linuxhost::gnome
