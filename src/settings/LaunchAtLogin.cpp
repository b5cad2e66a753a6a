#include "settings/LaunchAtLogin.h"

#include "platform/LogOutput.h"
#include "platform/LoginItems.h"
#include "platform/Preferences.h"
#include "platform/PreferencesStore.h"

namespace swivlo {

namespace {

// The login item's state after asking for `wanted`: read back only when the host refused.
bool settle(bool wanted, std::string& whyNot) {
    return loginItems().setEnabled(wanted, whyNot) ? wanted : loginItems().isEnabled();
}

void storeIfChanged(bool enabled) {
    // An unreadable value reads as off (and is reported): while the login item is off too, the
    // file is left alone rather than losing whatever else the user wrote by hand. A key never
    // written reads as off as well.
    if (Preferences::launchAtLogin() != enabled) {
        preferences().setBool(PreferencesKey::launchAtLogin, enabled);
    }
}

}  // namespace

std::optional<std::string> setLaunchAtLogin(bool on) {
    std::string whyNot;
    const bool enabled = settle(on, whyNot);
    preferences().setBool(PreferencesKey::launchAtLogin, enabled);
    if (enabled == on) {
        return std::nullopt;
    }
    logLine("⚠️ Launch at login not changed: " + whyNot);
    return whyNot;
}

void reconcileLaunchAtLogin() {
    // An entry left by an earlier start is registered again, so it names this binary.
    const bool enabled = loginItems().isEnabled();
    std::string whyNot;
    storeIfChanged(enabled && settle(true, whyNot));
}

}  // namespace swivlo
