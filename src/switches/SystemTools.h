#pragma once

#include "platform/SystemHost.h"
#include "switches/SwitchCatalogue.h"

namespace swivlo {

// The one object through which Swivlo drives the host: it changes, runs and reads the
// catalogue's switches through the installed SystemHost. Main thread only.
class SystemTools {
public:
    static SystemTools& shared();

    SystemTools(const SystemTools&) = delete;
    SystemTools& operator=(const SystemTools&) = delete;

    // Whether the host can do the switch, or lets the screen cleaner, the app's own, work.
    Support availability(const Switch& entry) const;
    // Every toggle's state, read in one call.
    SwitchStates readStates();
    Change setSwitch(const Switch& entry, bool on);
    // What the panel shows under the switch's title: the time left of a timed Keep Awake;
    // empty for the others.
    QString caption(const Switch& entry) const;
    // A one-shot action the host does.
    void runAction(const Switch& entry);

    // At quit: the host lets go of what it holds (keep awake), so it does not outlive Swivlo.
    void applicationWillTerminate();

private:
    SystemTools() = default;
};

}  // namespace swivlo
