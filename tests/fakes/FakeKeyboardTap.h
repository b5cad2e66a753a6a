#pragma once

#include <map>

#include "fakes/CallLog.h"
#include "platform/KeyboardTap.h"

namespace swivlo::testing {

// A keyboard tap that records every call and lets tests play the host's events through it.
class FakeKeyboardTap : public KeyboardTap {
public:
    explicit FakeKeyboardTap(CallLog& log) : log_(log) {}

    std::optional<TapPort> createTap(TapCallback callback) override;
    void reenableTap(TapPort port) override;
    void invalidate(TapPort port) override;

    // Runs the callback of every live tap.
    void send(TapEventType type);
    // Taps created and not yet invalidated.
    std::size_t liveTaps() const { return taps_.size(); }

    // When true, the host refuses the tap (missing permission, keyboard held by someone else).
    bool refuseTap = false;

private:
    CallLog& log_;
    std::map<TapPort, TapCallback> taps_;
    std::uint64_t next_ = 1;
};

}  // namespace swivlo::testing
