#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace swivlo::keys {

// The name a shortcut's key is shown with: its character in upper case when that is printable
// ASCII, else the name of the key code in the table (arrows, Return, Tab, Home, ...), else "Key"
// and the decimal code. The space bar shows as "Space" (its character alone would be invisible).
std::string keyName(std::uint16_t keyCode, std::string_view charactersIgnoringModifiers);

// The modifier glyphs of `flags` in the fixed order ⌃⌥⇧⌘, whatever order they were pressed in,
// then the key's name.
std::string shortcutDisplayString(std::uint64_t flags, std::uint16_t keyCode,
                                  std::string_view charactersIgnoringModifiers);

}  // namespace swivlo::keys
