#include "settings/LaunchAtLogin.h"

#include "app/PreferencesKeys.h"
#include "platform/LoginItems.h"
#include "platform/PreferencesStore.h"

namespace swivlo {

namespace {

void storeIfChanged(bool enabled) {
    const auto stored = preferences().boolValue(PreferencesKey::launchAtLogin);
    if (stored != enabled) {
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
