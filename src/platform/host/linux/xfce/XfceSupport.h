#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "platform/SystemHost.h"

namespace swivlo::linuxhost::xfce {

// What an XFCE switch depends on, found when it is asked.
struct XfceFacts {
    bool xfconf = false;          // org.xfce.Xfconf answers
    bool settingsDaemon = false;  // xfsettingsd serves XSETTINGS (org.xfce.SettingsDaemon)
    bool desktop = false;         // xfdesktop runs (org.xfce.xfdesktop)
    bool panel = false;           // xfce4-panel runs (org.xfce.Panel)
    bool dockPanel = false;       // one of its panels is a dock (see chooseDock)
    bool darkTheme = false;       // the theme is dark, or a dark theme to switch to exists
};

// Whether XFCE can do the capability now, and what is missing when not.
Support xfceSupport(Capability capability, const XfceFacts& facts);

// GTK themes name their dark variant NAME-dark.
bool isDarkTheme(const QString& name);
// The theme Dark Mode switches to (`name` itself when dark already), trying NAME-dark, then
// `fallback`; empty when none `exists`.
QString darkTwin(const QString& name, const std::function<bool(const QString&)>& exists,
                 const QString& fallback = {});
// The theme "off" switches to when nothing was found before: NAME without -dark, or `fallback`.
QString lightTwin(const QString& name, const std::function<bool(const QString&)>& exists,
                  const QString& fallback = {});

struct PanelFacts {
    int id = 0;           // panel-N
    QStringList plugins;  // the plugin names it holds, in order
};
// The dock: the first panel without the notification area that holds launchers, else the
// first panel without the notification area. A lone panel with the tray is the menu bar, not
// a dock.
std::optional<int> chooseDock(const std::vector<PanelFacts>& panels);

}  // namespace swivlo::linuxhost::xfce
