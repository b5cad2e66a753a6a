// Feeds arbitrary X11 keycodes and modifier masks, Qt keys and modifiers, stored key codes and
// flags, and key characters to the translation table and the shortcut display. Every result
// must stay in the host's units: 7-bit virtual key codes, modifier bits inside the
// device-independent mask, and display strings that are valid UTF-8.
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "platform/Events.h"
#include "platform/KeyTranslation.h"
#include "shortcut/ShortcutDisplay.h"

namespace {

using swivlo::fuzz::check;

namespace Flag = swivlo::ModifierFlag;

template <class T>
T take(const std::uint8_t*& data, std::size_t& size) {
    T value{};
    const std::size_t n = size < sizeof value ? size : sizeof value;
    std::memcpy(&value, data, n);
    data += n;
    size -= n;
    return value;
}

constexpr std::uint64_t modifierBits =
    Flag::capsLock | Flag::shift | Flag::control | Flag::option | Flag::command;

bool isUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toUtf8() ==
           QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace swivlo::keys;
    const auto x11Keycode = take<std::uint32_t>(data, size);
    const auto x11State = take<std::uint32_t>(data, size);
    const auto qtKey = take<std::int32_t>(data, size);
    const auto qtModifiers = take<std::uint32_t>(data, size);
    const auto storedFlags = take<std::uint64_t>(data, size);
    const auto storedKeyCode = take<std::uint16_t>(data, size);
    const std::string_view characters(reinterpret_cast<const char*>(data), size);

    const auto fromX11 = keyCodeFromX11(x11Keycode);
    check(!fromX11 || *fromX11 < 128);
    check(keyCodeFromX11(x11Keycode) == fromX11);
    const std::uint64_t x11Flags = modifierFlagsFromX11(x11State);
    check((x11Flags & ~modifierBits) == 0);
    check((x11Flags & Flag::deviceIndependentMask) == x11Flags);
    // Only the five masks the table knows count; other bits (buttons, Mod2/NumLock) do not.
    check(modifierFlagsFromX11(x11State & 0x4F) == x11Flags);

    const auto fromQt = keyCodeFromQtKey(qtKey);
    check(!fromQt || *fromQt < 128);
    const std::uint64_t qtFlags = modifierFlagsFromQt(qtModifiers);
    check((qtFlags & ~(modifierBits & ~Flag::capsLock)) == 0);

    for (const auto code : {fromX11.value_or(0), fromQt.value_or(0), storedKeyCode}) {
        const std::uint64_t extra = keyFlags(code);
        check((extra & ~(Flag::function | Flag::numericPad)) == 0);
        const std::string name = keyName(code, characters);
        check(!name.empty() && isUtf8(name));
    }

    // A stored shortcut is whatever the preferences file held.
    const std::string display = shortcutDisplayString(storedFlags, storedKeyCode, characters);
    check(!display.empty() && isUtf8(display));
    check(display.ends_with(keyName(storedKeyCode, characters)));
    return 0;
}
