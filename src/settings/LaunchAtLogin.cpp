#include "settings/LaunchAtLogin.h"

#include "app/PreferencesKeys.h"
#include "platform/LoginItems.h"
#include "platform/PreferencesStore.h"

namespace swivlo {

namespace {

void storeIfChanged(bool enabled) {
    const auto stored = preferences().boolValue(PreferencesKey::launchAtLogin);
    if (!stored && preferences().object(PreferencesKey::launchAtLogin)) {
        // An unreadable value reads as off. While the login item is off too there is nothing to
        // correct, and rewriting the file would lose whatever else the user wrote by hand.
        preferences().reportIgnored(PreferencesKey::launchAtLogin, "not a boolean");
        if (!enabled) {
            return;
        }
    }
    // A key never written reads as off: leave the file alone rather than write what it means.
    if (stored.value_or(false) != enabled) {
        preferences().setBool(PreferencesKey::launchAtLogin, enabled);
    }
}

}  // namespace

void setLaunchAtLogin(bool on) {
    loginItems().setEnabled(on);
    preferences().setBool(PreferencesKey::launchAtLogin, loginItems().isEnabled());
}

void reconcileLaunchAtLogin() {
    const bool enabled = loginItems().isEnabled();
    if (enabled) {
        loginItems().setEnabled(true);
    }
    storeIfChanged(loginItems().isEnabled());
}

}  // namespace swivlo
