#pragma once

#include <optional>

#include "platform/SystemHost.h"

namespace swivlo::linuxhost {

// One switch as one desktop does it. Each desktop back-end (gnome/, xfce/, kde/) gives one of
// these per capability it can do; the host asks it, never the settings behind it.
class DesktopSwitch {
public:
    virtual ~DesktopSwitch() = default;
    // Whether the switch can have a visible effect now (the dock running, the panel present),
    // and when not, what is missing on this desktop.
    virtual Support support() const = 0;
    // What the desktop reports; none when it could not be read.
    virtual std::optional<bool> isOn() = 0;
    // Makes the change and reads it back: false, with a log line naming what failed, when the
    // desktop did not take it. The host calls it only right after support() said available, so
    // it does not ask again (for the dock and the icons that is a call to the shell).
    virtual bool set(bool on) = 0;
};

}  // namespace swivlo::linuxhost
