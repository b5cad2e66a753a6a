#pragma once

#include <QString>
#include <map>
#include <vector>

#include "platform/Service.h"

namespace swivlo {

// What a host can do for Swivlo's switches, one capability per switch it changes.
enum class Capability {
    hideDesktop,
    hideWidgets,
    autoHideDock,
    stageManager,
    darkMode,
    keepAwake,
    hideAllWindows,
};

// Whether the host can do a capability, and when not, why (translated, shown to the user).
struct Support {
    bool available = true;
    QString reason;
};

// What a change did: `refused` when the host said no (no automation permission), `failed` when
// the desktop did not take it (the host's log says what failed); either way a switch keeps its
// old position.
enum class Change { done, refused, failed };

using SwitchStates = std::map<Capability, bool>;

// The host's side of every switch. Keep awake is a toggle the host holds while it is on: on
// takes hold, off lets go, and reading it says whether the hold is still there. Main thread
// only.
class SystemHost {
public:
    virtual ~SystemHost() = default;

    virtual Support supports(Capability capability) const = 0;
    // Whether Swivlo's own full-screen window with a keyboard grab (the screen cleaner) works.
    virtual Support supportsOwnWindows() const { return {}; }
    // The states of these toggles in one call, so a host can make the readings together;
    // capabilities the host does not support are left out.
    virtual SwitchStates read(const std::vector<Capability>& capabilities) = 0;
    virtual Change set(Capability capability, bool on) = 0;
    // Runs a one-shot action (hide all windows).
    virtual void perform(Capability action) = 0;
    // At quit: lets go of whatever the host holds for Swivlo, so nothing outlives it.
    virtual void release() = 0;
};

inline SystemHost& systemHost() {
    return Service<SystemHost>::get();
}

}  // namespace swivlo
