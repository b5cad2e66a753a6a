#pragma once

#include <QString>
#include <optional>

#include "platform/host/linux/DesktopFacts.h"

namespace swivlo::linuxhost {

class X11Desktop;

// Keeps the computer awake while held: an inhibitor of idle and sleep that belongs to Swivlo's
// own bus connection or X connection, so the desktop drops it when Swivlo's process ends, even
// when it is killed.
class KeepAwake {
public:
    KeepAwake(Inhibitor inhibitor, X11Desktop& x11) : inhibitor_(inhibitor), x11_(x11) {}

    void hold();
    void release();
    bool isHeld() const { return held_; }

private:
    Inhibitor inhibitor_;
    X11Desktop& x11_;
    std::optional<unsigned> cookie_;
    bool held_ = false;
};

}  // namespace swivlo::linuxhost
