#include "shortcut/ShortcutRecorder.h"

#include <QCoreApplication>

#include "core/Localized.h"
#include "platform/KeyTranslation.h"
#include "shortcut/ShortcutDisplay.h"

namespace swivlo {

namespace {

constexpr std::uint64_t commandKeys =
    ModifierFlag::control | ModifierFlag::option | ModifierFlag::command;

}  // namespace

std::string ShortcutRecorder::placeholderText() {
    static const std::string text =
        localized("Click to record shortcut", "Placeholder shown when no hotkey is recorded")
            .toStdString();
    return text;
}

std::string ShortcutRecorder::recordingText() {
    static const std::string text =
        localized("Recording...", "Shown while the user is pressing keys").toStdString();
    return text;
}

void ShortcutRecorder::show(const std::string& text, bool placeholder) {
    shownText_ = text;
    shownAsPlaceholder_ = placeholder;
}

void ShortcutRecorder::setDisplayString(const std::string& text) {
    lastDisplayString_ = text;
    if (isRecording_) {
        return;
    }
    if (text.empty()) {
        show(placeholderText(), true);
    } else {
        show(text, false);
    }
}

bool ShortcutRecorder::startRecording() {
    if (isRecording_) {
        return false;
    }
    isRecording_ = true;
    show(recordingText(), true);
    return true;
}

bool ShortcutRecorder::keyDown(const Event& event) {
    if (!isRecording_) {
        return false;
    }
    if (event.keyCode == keys::KeyCode::escape) {
        isRecording_ = false;
        setDisplayString(lastDisplayString_);
        return true;
    }
    if (event.keyCode == keys::KeyCode::deleteKey ||
        event.keyCode == keys::KeyCode::forwardDelete) {
        isRecording_ = false;
        if (onClear) {
            onClear();
        }
        return true;
    }
    // Shift alone is not enough, and a key the translation table does not know could not be
    // told apart from any other unknown key by the trigger.
    if ((event.modifierFlags & commandKeys) == 0 || event.keyCode == keys::KeyCode::unknown) {
        return true;
    }
    const std::uint64_t flags = event.modifierFlags & ModifierFlag::deviceIndependentMask;
    std::string text =
        keys::shortcutDisplayString(flags, event.keyCode, event.charactersIgnoringModifiers);
    isRecording_ = false;
    if (onCapture) {
        onCapture(static_cast<std::int64_t>(flags), event.keyCode, std::move(text));
    }
    return true;
}

}  // namespace swivlo
