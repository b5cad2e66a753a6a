#include "platform/QtKeyEvents.h"

#include <QKeyEvent>
#include <QString>

#include "platform/KeyTranslation.h"

namespace swivlo::keys {

namespace {

bool isModifierKey(int key) {
    switch (key) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_Super_L:
        case Qt::Key_Super_R:
        case Qt::Key_CapsLock:
            return true;
        default:
            return false;
    }
}

// The key's character as the unmodified key types it. QKeyEvent::text() is useless here: with
// Control held it is a control character. Qt's key value is the character itself for every key
// that types one (upper case for letters); special keys live above the Unicode range.
std::string charactersIgnoringModifiers(const QKeyEvent& key) {
    const int value = key.key();
    if (value <= 0 || value > 0x10FFFF) {
        return {};
    }
    const char32_t character = static_cast<char32_t>(value);
    return QString::fromUcs4(&character, 1).toLower().toStdString();
}

}  // namespace

std::optional<Event> hostKeyEvent(const QKeyEvent& key) {
    if (key.type() != QEvent::KeyPress && key.type() != QEvent::KeyRelease) {
        return std::nullopt;
    }
    Event out;
    if (isModifierKey(key.key())) {
        out.type = EventType::FlagsChanged;
    } else {
        out.type = key.type() == QEvent::KeyPress ? EventType::KeyDown : EventType::KeyUp;
    }
    auto code = keyCodeFromX11(key.nativeScanCode());
    if (!code) {
        code = keyCodeFromQtKey(key.key());
    }
    out.keyCode = code.value_or(KeyCode::unknown);
    // On X11 the native modifiers are the server's state mask, Caps Lock included.
    out.modifierFlags = key.nativeScanCode() != 0 ? modifierFlagsFromX11(key.nativeModifiers())
                                                  : modifierFlagsFromQt(key.modifiers());
    out.modifierFlags |= keyFlags(out.keyCode);
    out.charactersIgnoringModifiers = charactersIgnoringModifiers(key);
    return out;
}

}  // namespace swivlo::keys
