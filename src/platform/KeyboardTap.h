#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "platform/Service.h"

namespace swivlo {

// What a keyboard tap reports, numbered as the host numbers event types. The two "disabled"
// values tell the owner that the host ended the grab behind its back.
enum class TapEventType : std::uint32_t {
    KeyDown = 10,
    KeyUp = 11,
    FlagsChanged = 12,
    TapDisabledByTimeout = 0xFFFFFFFE,
    TapDisabledByUserInput = 0xFFFFFFFF,
};

using TapCallback = std::function<void(TapEventType)>;
using TapPort = std::uint64_t;

// A grab of the login session's keyboard, ahead of every application: while it holds, no other
// application sees a key. All calls and callbacks happen on the main thread.
class KeyboardTap {
public:
    virtual ~KeyboardTap() = default;
    // Takes the keyboard and reports every key it takes, and the end of the grab, to callback.
    // None when the host refuses (no permission, another client holds the keyboard, no display
    // server).
    virtual std::optional<TapPort> createTap(TapCallback callback) = 0;
    // Takes the keyboard again after the host ended the grab.
    virtual void reenableTap(TapPort port) = 0;
    // Ends the grab for good; the port is not used again.
    virtual void invalidate(TapPort port) = 0;
};

inline KeyboardTap& keyboardTap() {
    return Service<KeyboardTap>::get();
}

}  // namespace swivlo
