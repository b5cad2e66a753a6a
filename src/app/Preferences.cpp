#include "app/PreferencesKeys.h"
#include "platform/PreferencesStore.h"

namespace swivlo::Preferences {

namespace K = PreferencesKey;

bool launchAtLogin() {
    return preferences().boolValue(K::launchAtLogin).value_or(false);
}
bool autoClosePanel() {
    return preferences().boolValue(K::autoClosePanel).value_or(false);
}
std::string hiddenSwitchIDs() {
    return preferences().stringValue(K::hiddenSwitchIDs).value_or("");
}
std::string panelItemsOrder() {
    return preferences().stringValue(K::panelItemsOrder).value_or("");
}
bool hotkeyEnabled() {
    return preferences().boolValue(K::hotkeyEnabled).value_or(false);
}

std::int64_t hotkeyModifierFlags() {
    return preferences().integerValue(K::hotkeyModifierFlags).value_or(0);
}

std::int64_t hotkeyKeyCode() {
    return preferences().integerValue(K::hotkeyKeyCode).value_or(-1);
}

std::string hotkeyKeyDisplayString() {
    return preferences().stringValue(K::hotkeyKeyDisplayString).value_or("");
}

void setShortcut(std::int64_t modifierFlags, std::int64_t keyCode, const std::string& display) {
    preferences().setInteger(K::hotkeyModifierFlags, modifierFlags);
    preferences().setInteger(K::hotkeyKeyCode, keyCode);
    preferences().setString(K::hotkeyKeyDisplayString, display);
}

void clearShortcut() {
    setShortcut(0, -1, "");
}

}  // namespace swivlo::Preferences
