#include "switches/SystemTools.h"

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
    return entry.capability ? systemHost().set(*entry.capability, on) : Change::done;
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
