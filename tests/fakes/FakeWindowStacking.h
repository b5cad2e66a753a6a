#pragma once

#include <utility>

#include "fakes/CallLog.h"
#include "platform/WindowStacking.h"

namespace swivlo::testing {

// Records which window is kept on top and lets a test take it off the screen.
class FakeWindowStacking : public WindowStacking {
public:
    explicit FakeWindowStacking(CallLog& log) : log_(log) {}

    void keepOnTop(NativeWindow window, std::function<void()> onLost) override {
        log_.record("stacking.keepOnTop");
        kept_ = window;
        onLost_ = std::move(onLost);
    }
    void stopKeepingOnTop(NativeWindow window) override {
        log_.record("stacking.stop");
        if (kept_ == window) {
            kept_ = 0;
            onLost_ = nullptr;
        }
    }

    bool isKept(NativeWindow window) const { return window != 0 && kept_ == window; }

private:
    CallLog& log_;
    NativeWindow kept_ = 0;
    std::function<void()> onLost_;
};

}  // namespace swivlo::testing
