#pragma once

#include <cstdint>
#include <string>

namespace swivlo {

// Every key Swivlo keeps in the preferences store, the defaults and what a valid value is.
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
// The keys the global shortcut is made of: a change of any other leaves it registered as it is.
inline const std::string* const shortcut[] = {&hotkeyEnabled, &hotkeyModifierFlags, &hotkeyKeyCode};
}  // namespace PreferencesKey

// What a reader uses when the key is absent or unreadable; text keys default to "".
namespace PreferencesDefault {
inline constexpr bool launchAtLogin = false;
inline constexpr bool autoClosePanel = false;
inline constexpr bool hotkeyEnabled = false;
inline constexpr std::int64_t hotkeyModifierFlags = 0;
inline constexpr std::int64_t hotkeyKeyCode = -1;  // the stored form of "no shortcut"
}  // namespace PreferencesDefault

// Values that read as the right type and still mean nothing.
namespace PreferencesValid {
// -1 (no shortcut) or a 16-bit virtual key code.
constexpr bool hotkeyKeyCode(std::int64_t value) {
    return value >= -1 && value <= 0xFFFF;
}
constexpr bool hotkeyModifierFlags(std::int64_t value) {
    return value >= 0;
}
}  // namespace PreferencesValid

}  // namespace swivlo
