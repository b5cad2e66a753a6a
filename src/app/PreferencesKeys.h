#pragma once

#include <cstdint>
#include <string>

namespace swivlo {

// Every key Swivlo keeps in the preferences store, with the default a reader uses when the key
// is absent or unreadable.
namespace PreferencesKey {
inline const std::string launchAtLogin = "launchAtLogin";
inline const std::string autoClosePanel = "autoClosePanel";
inline const std::string hiddenSwitchIDs = "hiddenSwitchIDs";
inline const std::string panelItemsOrder = "panelItemsOrder";
inline const std::string hotkeyEnabled = "hotkeyEnabled";
inline const std::string hotkeyModifierFlags = "hotkeyModifierFlags";
inline const std::string hotkeyKeyCode = "hotkeyKeyCode";
inline const std::string hotkeyKeyDisplayString = "hotkeyKeyDisplayString";
inline const std::string swivloScenes = "SwivloScenes";

inline const std::string* const all[] = {
    &launchAtLogin,   &autoClosePanel,         &hiddenSwitchIDs,
    &panelItemsOrder, &hotkeyEnabled,          &hotkeyModifierFlags,
    &hotkeyKeyCode,   &hotkeyKeyDisplayString, &swivloScenes,
};
}  // namespace PreferencesKey

class PreferencesStore;

// Typed reads and the writes that belong together, over the installed store.
namespace Preferences {
bool launchAtLogin();
bool autoClosePanel();
std::string hiddenSwitchIDs();
std::string panelItemsOrder();
bool hotkeyEnabled();
std::int64_t hotkeyModifierFlags();
std::int64_t hotkeyKeyCode();  // -1: no shortcut
std::string hotkeyKeyDisplayString();

// The three shortcut keys are always written together, in this order.
void setShortcut(std::int64_t modifierFlags, std::int64_t keyCode, const std::string& display);
void clearShortcut();
}  // namespace Preferences

}  // namespace swivlo
