#pragma once

#include <QPoint>
#include <QRect>
#include <optional>

namespace swivlo::desktop {

// sway's IPC socket ($SWAYSOCK). sway places the windows of Xwayland clients itself, centred,
// whatever position they ask for: only its own command moves one.
class SwayIpc {
public:
    // Whether this session is sway's.
    static bool available();
    // The focused workspace's area: the screen less swaybar, which Xwayland does not know of.
    static std::optional<QRect> workArea();
    // Floats the X11 window (it must be mapped) with its top left at `topLeft`; false when sway
    // did not.
    static bool moveWindow(unsigned long x11Window, QPoint topLeft);
};

}  // namespace swivlo::desktop
