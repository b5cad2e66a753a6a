#pragma once

#include <cstdint>
#include <string>

#include "core/PreferencesKeys.h"

namespace swivlo {

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
