#pragma once

#include <QString>

namespace swivlo {

// The user's base directories. A variable that is unset or relative is ignored, as the XDG
// rules say, and the home default is used instead.
QString xdgConfigHome();  // $XDG_CONFIG_HOME, else ~/.config
QString xdgStateHome();   // $XDG_STATE_HOME, else ~/.local/state

// Where the single-instance lock and the control socket live, or why there is none.
struct RuntimeDir {
    QString path;     // empty when there is none
    QString problem;  // why, then
};
// $XDG_RUNTIME_DIR as the session gives it: a folder that cannot be used is reported by whoever
// uses it. Without it, "swivlo-UID" in the temporary folder, made private when missing; one
// that is there already is used only when it is a real folder (no link) of this user that no
// one else may enter, since another user may have made it first. The folder found is exported
// as XDG_RUNTIME_DIR for this process, so the toolkit looks nowhere else.
RuntimeDir runtimeDir();
// runtimeDir()'s path, for callers that checked it.
QString xdgRuntimeDir();

}  // namespace swivlo
