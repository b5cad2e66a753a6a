#include "cleaner/KeyboardInputBlocker.h"

namespace swivlo {

KeyboardInputBlocker::~KeyboardInputBlocker() {
    stop();
}

bool KeyboardInputBlocker::start() {
    if (!eventTap_) {
        eventTap_ = keyboardTap().createTap([this](TapEventType type) {
            // The host ended the grab: take the keyboard straight back.
            if ((type == TapEventType::TapDisabledByTimeout ||
                 type == TapEventType::TapDisabledByUserInput) &&
                eventTap_) {
                keyboardTap().reenableTap(*eventTap_);
            }
        });
    }
    return eventTap_.has_value();
}

void KeyboardInputBlocker::stop() {
    if (eventTap_) {
        keyboardTap().invalidate(*eventTap_);
        eventTap_.reset();
    }
}

}  // namespace swivlo
