#pragma once

#include <optional>
#include <string>

namespace swivlo {

// "Launch at login" does what it says: besides the "launchAtLogin" preference, the host's login
// item is registered or removed. The preference always ends up telling what the host will do,
// so a change the host refused shows as the switch falling back; the result says why (and the
// log says so too).
std::optional<std::string> setLaunchAtLogin(bool on);

// At start: the login item is what the session will actually do, so the preference follows it;
// an existing item is written again so it names the binary that runs now (it may have moved).
void reconcileLaunchAtLogin();

}  // namespace swivlo
