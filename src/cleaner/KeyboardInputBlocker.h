#pragma once

#include <optional>

#include "platform/KeyboardTap.h"

namespace swivlo {

// Swallows every key event of the login session, before any application sees it, through a
// keyboard tap. Both the tap and its main-loop source are set, or neither.
class KeyboardInputBlocker {
public:
    // Key down, key up and modifier changes.
    static constexpr EventMask tapMask = eventMask(EventType::KeyDown) |
                                         eventMask(EventType::KeyUp) |
                                         eventMask(EventType::FlagsChanged);

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
    std::optional<TapPort> eventTap() const { return eventTap_; }
    std::optional<TapSource> runLoopSource() const { return runLoopSource_; }

    // What the tap does with an event; blocker is the tap's user info and may be empty.
    static TapDisposition tapCallback(TapEventType type, KeyboardInputBlocker* blocker);

private:
    std::optional<TapPort> eventTap_;
    std::optional<TapSource> runLoopSource_;
};

}  // namespace swivlo
