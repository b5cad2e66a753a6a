#pragma once

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

}  // namespace swivlo
