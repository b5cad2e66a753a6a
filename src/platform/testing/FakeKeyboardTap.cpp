#include "platform/testing/FakeKeyboardTap.h"

#include <string>

namespace swivlo::testing {

std::optional<TapPort> FakeKeyboardTap::createTap(EventMask mask, TapCallback callback) {
    if (refuseTap) {
        log_.record("tap.create " + std::to_string(mask) + " refused");
        return std::nullopt;
    }
    const TapPort port = next_++;
    taps_[port] = Tap{mask, std::move(callback)};
    log_.record("tap.create " + std::to_string(mask));
    return port;
}

std::optional<TapSource> FakeKeyboardTap::createRunLoopSource(TapPort port) {
    if (refuseSource || !taps_.count(port)) {
        log_.record("tap.createSource refused");
        return std::nullopt;
    }
    const TapSource source = next_++;
    sources_[source] = port;
    log_.record("tap.createSource");
    return source;
}

void FakeKeyboardTap::addSourceToMainLoop(TapSource source) {
    attached_.insert(source);
    log_.record("tap.addSource");
}

void FakeKeyboardTap::removeSourceFromMainLoop(TapSource source) {
    attached_.erase(source);
    log_.record("tap.removeSource");
}

void FakeKeyboardTap::enableTap(TapPort port, bool enable) {
    const auto tap = taps_.find(port);
    if (tap != taps_.end()) {
        tap->second.enabled = enable;
    }
    log_.record(std::string("tap.enable ") + (enable ? "true" : "false"));
}

void FakeKeyboardTap::invalidate(TapPort port) {
    taps_.erase(port);
    for (auto source = sources_.begin(); source != sources_.end();) {
        if (source->second == port) {
            attached_.erase(source->first);
            source = sources_.erase(source);
        } else {
            ++source;
        }
    }
    log_.record("tap.invalidate");
}

TapDisposition FakeKeyboardTap::send(TapEventType type) {
    TapDisposition result = TapDisposition::Pass;
    for (const auto& [source, port] : sources_) {
        const auto tap = taps_.find(port);
        if (!attached_.count(source) || tap == taps_.end()) {
            continue;
        }
        // The host reports its own "disabled" notices to every tap, whatever the mask.
        const bool disabledNotice = type == TapEventType::TapDisabledByTimeout ||
                                    type == TapEventType::TapDisabledByUserInput;
        const bool inMask = tapMaskContains(tap->second.mask, type);
        if ((disabledNotice || (inMask && tap->second.enabled)) && tap->second.callback) {
            result = tap->second.callback(type);
        }
    }
    return result;
}

}  // namespace swivlo::testing
