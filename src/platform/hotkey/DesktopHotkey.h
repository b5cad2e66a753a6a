#pragma once

#include <memory>

#include "platform/Session.h"
#include "platform/hotkey/GlobalHotkey.h"

namespace swivlo {

// The global shortcut's mechanism for this session, picked once (HotkeyChoice), and one line
// saying which. Needs the application object; the caller installs it as the GlobalHotkey and
// keeps it until the application object goes.
std::unique_ptr<GlobalHotkey> makeGlobalHotkey(const Session& session);

}  // namespace swivlo
