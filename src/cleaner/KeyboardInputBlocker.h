#pragma once

#include <optional>

#include "platform/KeyboardTap.h"

namespace swivlo {

// Swallows every key event of the login session, before any application sees it, through a
// keyboard tap, and takes the keyboard back when the host ends the grab.
class KeyboardInputBlocker {
public:
    KeyboardInputBlocker() = default;
    // The tap's callback points back at this object, so it must not outlive it.
    ~KeyboardInputBlocker();
    KeyboardInputBlocker(const KeyboardInputBlocker&) = delete;
    KeyboardInputBlocker& operator=(const KeyboardInputBlocker&) = delete;

    // True once the tap runs, also when it already did (no second tap is made).
    bool start();
    // Safe when not running.
    void stop();

    bool isRunning() const { return eventTap_.has_value(); }

private:
    std::optional<TapPort> eventTap_;
};

}  // namespace swivlo
