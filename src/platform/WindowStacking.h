#pragma once

#include <cstdint>
#include <functional>

#include "platform/Service.h"

namespace swivlo {

// A native window of the program, as the host names it.
using NativeWindow = std::uintptr_t;

// Keeping one of the program's windows above every other window on the host, like the host's
// screen-saver window level: whatever another program maps or raises later goes below it.
class WindowStacking {
public:
    virtual ~WindowStacking() = default;
    // From now on raises `window` again whenever another window comes above it. If something
    // else takes it off the screen (unmaps or destroys it), `onLost` runs once, later on the main
    // loop, and the window is no longer kept.
    virtual void keepOnTop(NativeWindow window, std::function<void()> onLost) = 0;
    // Stops keeping `window` on top; safe when it is not kept.
    virtual void stopKeepingOnTop(NativeWindow window) = 0;
};

inline WindowStacking& windowStacking() {
    return Service<WindowStacking>::get();
}

}  // namespace swivlo
