#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace swivlo::keys {

// Shortcut values are kept in the host's (macOS) units on every platform: 16-bit virtual key
// codes by position on an ANSI keyboard, and device-independent modifier bits. This one table
// turns X11 and Qt key events into them, for the recorder and the global trigger alike.

// X11 keycode (evdev numbering plus 8, as X servers on Linux use) to virtual key code.
std::optional<std::uint16_t> keyCodeFromX11(unsigned x11Keycode);

// X11 modifier state (ShiftMask, LockMask, ControlMask, Mod1 = Alt, Mod4 = Super) to modifier
// bits: Shift, Caps Lock, Control, Option, Command.
std::uint64_t modifierFlagsFromX11(unsigned x11State);

// The other way, for taking a stored shortcut from the X server: the first X11 keycode of the
// key, and the X11 modifier mask of the modifier bits (the bits the key adds itself dropped).
std::optional<unsigned> x11KeycodeFor(std::uint16_t keyCode);
unsigned x11ModifiersFor(std::uint64_t flags);

// The key as a desktop's keyboard settings name it (an X keysym name on a US layout: "s",
// "F5", "Return", "Left"); empty for a key without one.
std::string keysymNameFor(std::uint16_t keyCode);
// The key as Qt numbers it (Qt::Key), for desktops that take Qt key combinations; 0 for none.
int qtKeyFor(std::uint16_t keyCode);

// Qt::Key to virtual key code, for key events that carry no X11 keycode.
std::optional<std::uint16_t> keyCodeFromQtKey(int qtKey);

// Qt::KeyboardModifiers (as an int) to modifier bits. Caps Lock is not a Qt modifier.
std::uint64_t modifierFlagsFromQt(unsigned qtModifiers);

// The bits the host adds for the key itself: Function for function and navigation keys,
// and NumericPad as well for the arrows.
std::uint64_t keyFlags(std::uint16_t keyCode);

// Virtual key codes the program refers to by name.
namespace KeyCode {
inline constexpr std::uint16_t a = 0;
inline constexpr std::uint16_t s = 1;
inline constexpr std::uint16_t returnKey = 36;
inline constexpr std::uint16_t tab = 48;
inline constexpr std::uint16_t space = 49;
inline constexpr std::uint16_t deleteKey = 51;
inline constexpr std::uint16_t escape = 53;
inline constexpr std::uint16_t f5 = 96;
inline constexpr std::uint16_t help = 114;
inline constexpr std::uint16_t home = 115;
inline constexpr std::uint16_t pageUp = 116;
inline constexpr std::uint16_t forwardDelete = 117;
inline constexpr std::uint16_t end = 119;
inline constexpr std::uint16_t pageDown = 121;
inline constexpr std::uint16_t leftArrow = 123;
inline constexpr std::uint16_t rightArrow = 124;
inline constexpr std::uint16_t downArrow = 125;
inline constexpr std::uint16_t upArrow = 126;
// What a key event carries when its key has no code.
inline constexpr std::uint16_t unknown = 0xFFFF;
}  // namespace KeyCode

}  // namespace swivlo::keys
