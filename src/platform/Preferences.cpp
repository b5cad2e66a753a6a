#include "platform/Preferences.h"
#include "platform/PreferencesStore.h"

#include <optional>

namespace swivlo::Preferences {

namespace K = PreferencesKey;
namespace D = PreferencesDefault;

namespace {

// A stored value of the wrong type gives the default, and the log says so.
template <class T>
T readOr(const std::string& key, std::optional<T> value, T fallback, const char* typeName) {
    if (!value) {
        preferences().reportIgnored(key, std::string("not ") + typeName + ", using the default");
        return fallback;
    }
    return *value;
}

bool boolOr(const std::string& key, bool fallback) {
    return readOr(key, preferences().boolValue(key), fallback, "a boolean");
}
std::int64_t integerOr(const std::string& key, std::int64_t fallback) {
    return readOr(key, preferences().integerValue(key), fallback, "an integer");
}
std::string stringOr(const std::string& key) {
    return readOr(key, preferences().stringValue(key), std::string(), "a string");
}

}  // namespace

bool launchAtLogin() {
    return boolOr(K::launchAtLogin, D::launchAtLogin);
}
bool autoClosePanel() {
    return boolOr(K::autoClosePanel, D::autoClosePanel);
}
std::string hiddenSwitchIDs() {
    return stringOr(K::hiddenSwitchIDs);
}
std::string panelItemsOrder() {
    return stringOr(K::panelItemsOrder);
}
bool hotkeyEnabled() {
    return boolOr(K::hotkeyEnabled, D::hotkeyEnabled);
}

std::int64_t hotkeyModifierFlags() {
    return integerOr(K::hotkeyModifierFlags, D::hotkeyModifierFlags);
}

std::int64_t hotkeyKeyCode() {
    return integerOr(K::hotkeyKeyCode, D::hotkeyKeyCode);
}

std::string hotkeyKeyDisplayString() {
    return stringOr(K::hotkeyKeyDisplayString);
}

void setShortcut(std::int64_t modifierFlags, std::int64_t keyCode, const std::string& display) {
    preferences().setInteger(K::hotkeyModifierFlags, modifierFlags);
    preferences().setInteger(K::hotkeyKeyCode, keyCode);
    preferences().setString(K::hotkeyKeyDisplayString, display);
}

void clearShortcut() {
    setShortcut(D::hotkeyModifierFlags, D::hotkeyKeyCode, "");
}

}  // namespace swivlo::Preferences
