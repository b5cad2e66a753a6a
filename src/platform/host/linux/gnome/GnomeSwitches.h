#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <memory>

#include "platform/host/linux/DesktopSwitch.h"

namespace swivlo::linuxhost {
class FoundValues;
}

namespace swivlo::linuxhost::gnome {

// The switches GNOME's settings and GNOME Shell's extensions give. `shell`: GNOME Shell runs
// the desktop (its dock and desktop icons count); otherwise (Unity, Budgie, Pantheon) only the
// colour scheme, which those desktops follow too.
std::map<Capability, std::unique_ptr<DesktopSwitch>> makeSwitches(FoundValues& found, bool shell);

// The GTK theme that goes with a colour scheme, as Ubuntu's settings panel pairs them (Yaru,
// Yaru-blue ... and their -dark twins); any other theme stays as it is, as GNOME's own panel
// leaves it.
QString gtkThemeFor(const QString& theme, bool dark);
// Whether a GTK theme of this name is in a theme folder (~/.themes, the data folders' themes/).
bool themeExists(const QString& name);
// `list` with `entry` present once or absent, its other entries in their order.
QStringList withEntry(QStringList list, const QString& entry, bool present);
// Whether Dash to Dock (or Ubuntu Dock) gets out of the way on an empty desktop: with
// intellihide it hides only from windows that overlap it.
bool dockHidesItself(bool fixed, bool autohide, bool intellihide);

}  // namespace swivlo::linuxhost::gnome
