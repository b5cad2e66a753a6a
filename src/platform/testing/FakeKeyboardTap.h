#pragma once

#include <map>
#include <set>

#include "platform/KeyboardTap.h"
#include "platform/testing/CallLog.h"

namespace swivlo::testing {

// A keyboard tap that records every call and lets tests play the host's events through it.
class FakeKeyboardTap : public KeyboardTap {
public:
    explicit FakeKeyboardTap(CallLog& log) : log_(log) {}

    std::optional<TapPort> createTap(EventMask mask, TapCallback callback) override;
    std::optional<TapSource> createRunLoopSource(TapPort port) override;
    void addSourceToMainLoop(TapSource source) override;
    void removeSourceFromMainLoop(TapSource source) override;
    void enableTap(TapPort port, bool enable) override;
    void invalidate(TapPort port) override;

    // Runs the callback of every live tap whose source is on the main loop; the last answer, or
    // Pass when no tap saw the event.
    TapDisposition send(TapEventType type);
    // Taps created and not yet invalidated.
    std::size_t liveTaps() const { return taps_.size(); }

    // When true, the host refuses the tap (missing permission, keyboard held by someone else).
    bool refuseTap = false;
    // When true, no run loop source can be made for a tap.
    bool refuseSource = false;

private:
    struct Tap {
        EventMask mask;
        TapCallback callback;
        bool enabled = true;
    };
    CallLog& log_;
    std::map<TapPort, Tap> taps_;
    std::map<TapSource, TapPort> sources_;
    std::set<TapSource> attached_;
    std::uint64_t next_ = 1;
};

}  // namespace swivlo::testing
