#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "platform/SystemHost.h"

namespace swivlo::linuxhost::kde {

// What a Plasma switch depends on, found when it is asked.
struct KdeFacts {
    bool plasmaShell = false;      // org.kde.plasmashell on the session bus
    bool colorSchemeTool = false;  // plasma-apply-colorscheme installed
    bool folderDesktop = false;    // a desktop shows a Folder View
    bool panel = false;            // plasmashell shows a panel
};

// Whether Plasma can do the capability now, and what is missing when not.
Support kdeSupport(Capability capability, const KdeFacts& facts);

// The colour scheme kdeglobals names, and how light its window background is.
struct KdeColorScheme {
    QString name = QStringLiteral("BreezeLight");  // Plasma's default, which it leaves unnamed
    std::optional<double> windowLightness;
};
// Read from kdeglobals' text: KDE's own format of [Group] headers and key=value lines.
KdeColorScheme kdeColorScheme(const QString& kdeglobals);
// $XDG_CONFIG_HOME/kdeglobals (~/.config when unset).
QString kdeglobalsPath();

// Dark when the scheme's window background is dark; by its name when kdeglobals has no colours.
bool isDarkScheme(const QString& scheme, std::optional<double> windowLightness);
// The scheme Dark Mode applies: the user's scheme's dark twin (NAMELight -> NAMEDark, NAME ->
// NAMEDark) where it `exists`, else BreezeDark.
QString darkScheme(const QString& scheme, const std::function<bool(const QString&)>& exists);
// The scheme "off" applies when nothing was found before: NAMEDark -> NAMELight or NAME, else
// BreezeLight.
QString lightScheme(const QString& scheme, const std::function<bool(const QString&)>& exists);

struct PlasmaPanel {
    int id = 0;
    QString location;     // "bottom", "top", "left", "right", "floating"
    QStringList widgets;  // applet plugin names
};
// The dock: the panel holding a task manager, else the first at the bottom, else the first.
std::optional<int> chooseDock(const std::vector<PlasmaPanel>& panels);

}  // namespace swivlo::linuxhost::kde
