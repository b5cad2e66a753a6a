#include "fakes/FakeKeyboardTap.h"

#include <vector>

namespace swivlo::testing {

std::optional<TapPort> FakeKeyboardTap::createTap(TapCallback callback) {
    if (refuseTap) {
        log_.record("tap.create refused");
        return std::nullopt;
    }
    const TapPort port = next_++;
    taps_[port] = std::move(callback);
    log_.record("tap.create");
    return port;
}

void FakeKeyboardTap::reenableTap(TapPort port) {
    if (taps_.count(port)) {
        log_.record("tap.reenable");
    }
}

void FakeKeyboardTap::invalidate(TapPort port) {
    taps_.erase(port);
    log_.record("tap.invalidate");
}

void FakeKeyboardTap::send(TapEventType type) {
    std::vector<TapCallback> callbacks;
    for (const auto& entry : taps_) {
        callbacks.push_back(entry.second);
    }
    for (const auto& callback : callbacks) {
        callback(type);
    }
}

}  // namespace swivlo::testing
