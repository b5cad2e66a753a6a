#include "shortcut/ShortcutDisplay.h"

#include <QList>
#include <QString>
#include <array>
#include <utility>

#include "platform/Events.h"
#include "platform/KeyTranslation.h"

namespace swivlo::keys {

namespace {

constexpr std::array<std::pair<std::uint16_t, const char*>, 11> namedKeys = {{
    {KeyCode::returnKey, "↩"},
    {KeyCode::tab, "⇥"},
    {KeyCode::space, "Space"},
    {KeyCode::home, "↖"},
    {KeyCode::pageUp, "⇞"},
    {KeyCode::end, "↘"},
    {KeyCode::pageDown, "⇟"},
    {KeyCode::leftArrow, "←"},
    {KeyCode::rightArrow, "→"},
    {KeyCode::downArrow, "↓"},
    {KeyCode::upArrow, "↑"},
}};

bool isPrintableAscii(const QString& text) {
    for (const char32_t scalar : text.toUcs4()) {
        if (scalar < 0x20 || scalar > 0x7E) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string keyName(std::uint16_t keyCode, std::string_view charactersIgnoringModifiers) {
    if (keyCode != KeyCode::space && !charactersIgnoringModifiers.empty()) {
        const QString upper =
            QString::fromUtf8(charactersIgnoringModifiers.data(),
                              static_cast<qsizetype>(charactersIgnoringModifiers.size()))
                .toUpper();
        if (isPrintableAscii(upper)) {
            return upper.toStdString();
        }
    }
    for (const auto& [code, name] : namedKeys) {
        if (code == keyCode) {
            return name;
        }
    }
    return "Key" + std::to_string(keyCode);
}

std::string shortcutDisplayString(std::uint64_t flags, std::uint16_t keyCode,
                                  std::string_view charactersIgnoringModifiers) {
    std::string text;
    if (flags & ModifierFlag::control) {
        text += "⌃";
    }
    if (flags & ModifierFlag::option) {
        text += "⌥";
    }
    if (flags & ModifierFlag::shift) {
        text += "⇧";
    }
    if (flags & ModifierFlag::command) {
        text += "⌘";
    }
    return text + keyName(keyCode, charactersIgnoringModifiers);
}

}  // namespace swivlo::keys
