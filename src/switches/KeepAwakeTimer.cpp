#include "switches/KeepAwakeTimer.h"

#include <cmath>

#include "core/Localized.h"
#include "platform/MainQueue.h"
#include "switches/SystemTools.h"

namespace swivlo {

namespace {

const Switch* keepAwakeSwitch() {
    return SwitchCatalogue::byCapability(Capability::keepAwake);
}

// Whole units of the text, rounded up: "1 min left" lasts the whole last minute.
constexpr double secondsPerMinute = 60;

}  // namespace

KeepAwakeTimer& KeepAwakeTimer::shared() {
    static KeepAwakeTimer instance;
    return instance;
}

Change KeepAwakeTimer::keepAwakeFor(double seconds) {
    const Switch* entry = keepAwakeSwitch();
    // Turning it on cancels a running timer, as any change of Keep Awake does.
    const Change change = SystemTools::shared().setSwitch(*entry, true);
    // A host that could not start it (the log says why) gets no timer that would end it.
    if (change != Change::done ||
        !systemHost().read({Capability::keepAwake})[Capability::keepAwake]) {
        return change;
    }
    const unsigned long generation = ++generation_;
    deadline_ = mainQueue().now() + seconds;
    mainQueue().asyncAfter(seconds, [this, generation] {
        if (generation != generation_) {
            return;
        }
        SystemTools::shared().setSwitch(*keepAwakeSwitch(), false);
        emit expired();
    });
    scheduleTick();
    emit changed();
    return change;
}

void KeepAwakeTimer::cancel() {
    ++generation_;
    if (deadline_) {
        deadline_.reset();
        emit changed();
    }
}

std::optional<double> KeepAwakeTimer::remaining() const {
    if (!deadline_) {
        return std::nullopt;
    }
    return std::max(*deadline_ - mainQueue().now(), 0.0);
}

void KeepAwakeTimer::scheduleTick() {
    // Wakes up only when the shown text changes: each minute, then each second of the last
    // one.
    const double left = *remaining();
    const double unit = left > secondsPerMinute ? secondsPerMinute : 1;
    // The next time the rounded-up count in this unit drops by one.
    const double next = left - unit * (std::ceil(left / unit) - 1);
    if (next >= left) {
        return;  // the end comes first
    }
    mainQueue().asyncAfter(next, [this, generation = generation_] {
        if (generation == generation_ && deadline_) {
            scheduleTick();
            emit changed();
        }
    });
}

QString KeepAwakeTimer::remainingText(double seconds) {
    auto text = [](const char* key) { return localized(key); };
    if (std::ceil(seconds) < secondsPerMinute) {
        return text("%1 s left").arg(static_cast<long>(std::ceil(seconds)));
    }
    const long minutes = static_cast<long>(std::ceil(seconds / secondsPerMinute));
    if (minutes < 60) {
        return text("%1 min left").arg(minutes);
    }
    if (minutes % 60 == 0) {
        return text("%1 h left").arg(minutes / 60);
    }
    return text("%1 h %2 min left").arg(minutes / 60).arg(minutes % 60);
}

}  // namespace swivlo
