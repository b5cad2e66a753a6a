#include "settings/LaunchAtLogin.h"

#include "app/PreferencesKeys.h"
#include "platform/LoginItems.h"
#include "platform/PreferencesStore.h"

namespace swivlo {

namespace {

// The login item's state after asking for `wanted`: read back only when the host refused.
bool settle(bool wanted) {
    return loginItems().setEnabled(wanted) ? wanted : loginItems().isEnabled();
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

void setLaunchAtLogin(bool on) {
    preferences().setBool(PreferencesKey::launchAtLogin, settle(on));
}

void reconcileLaunchAtLogin() {
    // An entry left by an earlier start is registered again, so it names this binary.
    const bool enabled = loginItems().isEnabled();
    storeIfChanged(enabled && settle(true));
}

}  // namespace swivlo
