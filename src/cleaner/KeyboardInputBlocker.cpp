#include "cleaner/KeyboardInputBlocker.h"

namespace swivlo {

KeyboardInputBlocker::~KeyboardInputBlocker() {
    if (isRunning()) {
        stop();
    }
}

bool KeyboardInputBlocker::start() {
    if (eventTap_) {
        return true;
    }
    KeyboardTap& taps = keyboardTap();
    const std::optional<TapPort> port =
        taps.createTap(tapMask, [this](TapEventType type) { return tapCallback(type, this); });
    if (!port) {
        return false;
    }
    const std::optional<TapSource> source = taps.createRunLoopSource(*port);
    if (!source) {
        taps.invalidate(*port);
        return false;
    }
    eventTap_ = port;
    runLoopSource_ = source;
    taps.addSourceToMainLoop(*source);
    taps.enableTap(*port, true);
    return true;
}

void KeyboardInputBlocker::stop() {
    if (runLoopSource_) {
        keyboardTap().removeSourceFromMainLoop(*runLoopSource_);
        runLoopSource_.reset();
    }
    if (eventTap_) {
        // Invalidating ends the tap; it is not disabled first.
        keyboardTap().invalidate(*eventTap_);
        eventTap_.reset();
    }
}

TapDisposition KeyboardInputBlocker::tapCallback(TapEventType type, KeyboardInputBlocker* blocker) {
    if (!blocker) {
        return TapDisposition::Pass;
    }
    switch (type) {
        case TapEventType::TapDisabledByTimeout:
        case TapEventType::TapDisabledByUserInput:
            // The host switched the tap off: switch it straight back on.
            if (blocker->eventTap_) {
                keyboardTap().enableTap(*blocker->eventTap_, true);
            }
            return TapDisposition::Pass;
        case TapEventType::KeyDown:
        case TapEventType::KeyUp:
        case TapEventType::FlagsChanged:
            return TapDisposition::Drop;
    }
    return TapDisposition::Pass;
}

}  // namespace swivlo
