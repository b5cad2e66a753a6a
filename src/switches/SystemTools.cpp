#include "switches/SystemTools.h"

#include "switches/KeepAwakeTimer.h"

namespace swivlo {

SystemTools& SystemTools::shared() {
    static SystemTools instance;
    return instance;
}

Support SystemTools::availability(const Switch& entry) const {
    return entry.capability ? systemHost().supports(*entry.capability)
                            : systemHost().supportsOwnWindows();
}

SwitchStates SystemTools::readStates() {
    std::vector<Capability> toggles;
    for (const Switch& entry : SwitchCatalogue::all()) {
        if (entry.kind == Switch::Kind::toggle && entry.capability) {
            toggles.push_back(*entry.capability);
        }
    }
    return systemHost().read(toggles);
}

Change SystemTools::setSwitch(const Switch& entry, bool on) {
    // A change by hand overrides a timed Keep Awake; the timer's own end comes through here too.
    if (entry.capability == Capability::keepAwake) {
        KeepAwakeTimer::shared().cancel();
    }
    return entry.capability ? systemHost().set(*entry.capability, on) : Change::done;
}

QString SystemTools::caption(const Switch& entry) const {
    const auto left = KeepAwakeTimer::shared().remaining();
    return entry.capability == Capability::keepAwake && left ? KeepAwakeTimer::remainingText(*left)
                                                             : QString();
}

void SystemTools::runAction(const Switch& entry) {
    if (entry.capability) {
        systemHost().perform(*entry.capability);
    }
}

void SystemTools::applicationWillTerminate() {
    systemHost().release();
}

}  // namespace swivlo
