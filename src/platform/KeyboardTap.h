#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "platform/Events.h"
#include "platform/Service.h"

namespace swivlo {

// What a keyboard tap reports, numbered as the host numbers event types. The two "disabled"
// values tell the owner that the host switched the tap off behind its back.
enum class TapEventType : std::uint32_t {
    KeyDown = 10,
    KeyUp = 11,
    FlagsChanged = 12,
    TapDisabledByTimeout = 0xFFFFFFFE,
    TapDisabledByUserInput = 0xFFFFFFFF,
};

enum class TapDisposition { Pass, Drop };

// Whether a tap made with `mask` asked for `type`. The "disabled" notices lie beyond any mask
// bit; the host reports them to every tap regardless.
constexpr bool tapMaskContains(EventMask mask, TapEventType type) {
    const auto bit = static_cast<std::uint32_t>(type);
    return bit < 64 && (mask & (EventMask{1} << bit)) != 0;
}

using TapCallback = std::function<TapDisposition(TapEventType)>;
using TapPort = std::uint64_t;
using TapSource = std::uint64_t;

// An active filter on the key events of the whole login session, placed before every
// application. A tap is made in two steps, like the host's: the tap itself, then the source that
// delivers its events on the main loop. All calls and callbacks happen on the main thread.
class KeyboardTap {
public:
    virtual ~KeyboardTap() = default;
    // A session-level tap at the head of the chain for the event types in mask. None when the
    // host refuses it (no permission, another client holds the keyboard, no display server).
    virtual std::optional<TapPort> createTap(EventMask mask, TapCallback callback) = 0;
    // None when the source cannot be made.
    virtual std::optional<TapSource> createRunLoopSource(TapPort port) = 0;
    virtual void addSourceToMainLoop(TapSource source) = 0;
    virtual void removeSourceFromMainLoop(TapSource source) = 0;
    virtual void enableTap(TapPort port, bool enable) = 0;
    // Ends the tap for good; its port and source are not used again.
    virtual void invalidate(TapPort port) = 0;
};

inline KeyboardTap& keyboardTap() {
    return Service<KeyboardTap>::get();
}

}  // namespace swivlo
