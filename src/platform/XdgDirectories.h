#pragma once

#include <QString>

namespace swivlo {

// The user's base directories. A variable that is unset or relative is ignored, as the XDG
// rules say, and the home default is used instead.
QString xdgConfigHome();  // $XDG_CONFIG_HOME, else ~/.config
QString xdgStateHome();   // $XDG_STATE_HOME, else ~/.local/state
// $XDG_RUNTIME_DIR as the session gives it, else Qt's private runtime folder, else the temporary
// folder: a runtime folder that cannot be used is reported by whoever uses it, not silently
// traded for another one where a second Swivlo would not look.
QString xdgRuntimeDir();

}  // namespace swivlo
