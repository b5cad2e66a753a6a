#pragma once

#include <QString>

namespace swivlo {

// The user's base directories. A variable that is unset or relative is ignored, as the XDG
// rules say, and the home default is used instead.
QString xdgConfigHome();  // $XDG_CONFIG_HOME, else ~/.config
QString xdgStateHome();   // $XDG_STATE_HOME, else ~/.local/state

}  // namespace swivlo
