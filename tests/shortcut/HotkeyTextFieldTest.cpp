#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QTest>
#include <optional>

#include "platform/Events.h"
#include "platform/KeyTranslation.h"
#include "platform/QtKeyEvents.h"
#include "shortcut/HotkeyTextField.h"
#include "shortcut/ShortcutRecorder.h"

namespace swivlo {
namespace {

namespace F = ModifierFlag;

constexpr unsigned x11Shift = 1u << 0, x11Lock = 1u << 1, x11Control = 1u << 2, x11Alt = 1u << 3,
                   x11Super = 1u << 6;

QKeyEvent x11Press(int qtKey, unsigned keycode, unsigned state, const QString& text = {}) {
    return QKeyEvent(QEvent::KeyPress, qtKey, Qt::NoModifier, keycode, 0, state, text);
}

TEST(HostKeyEventTest, X11EventsUseTheServerStateIncludingCapsLock) {
    const QKeyEvent e = x11Press(Qt::Key_S, 39, x11Control | x11Alt | x11Lock, "\x13");
    const auto converted = keys::hostKeyEvent(e);
    ASSERT_TRUE(converted);
    EXPECT_EQ(converted->type, EventType::KeyDown);
    EXPECT_EQ(converted->keyCode, keys::KeyCode::s);
    EXPECT_EQ(converted->modifierFlags, F::control | F::option | F::capsLock);
    // The control character Qt reports as text is not what the key types without modifiers.
    EXPECT_EQ(converted->charactersIgnoringModifiers, "s");
}

TEST(HostKeyEventTest, ArrowsCarryFunctionAndNumericPadLikeTheTrigger) {
    const QKeyEvent e = x11Press(Qt::Key_Left, 113, x11Super | x11Shift);
    const auto converted = keys::hostKeyEvent(e);
    ASSERT_TRUE(converted);
    EXPECT_EQ(converted->keyCode, keys::KeyCode::leftArrow);
    EXPECT_EQ(converted->modifierFlags, F::command | F::shift | F::function | F::numericPad);
    EXPECT_EQ(converted->charactersIgnoringModifiers, "");
}

TEST(HostKeyEventTest, ModifierKeysAloneAreFlagChanges) {
    const QKeyEvent e(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier);
    ASSERT_TRUE(keys::hostKeyEvent(e));
    EXPECT_EQ(keys::hostKeyEvent(e)->type, EventType::FlagsChanged);
}

class HotkeyTextFieldTest : public ::testing::Test {
protected:
    HotkeyTextFieldTest() {
        view.onCapture = [this](std::int64_t, std::int64_t, std::string text) {
            stored = text;
            view.displayString = text;
        };
        view.onClear = [this] {
            cleared = true;
            view.displayString.clear();
        };
        field = view.make(nullptr);
    }
    ~HotkeyTextFieldTest() override { delete field; }

    HotkeyRecorderView view;
    HotkeyTextField* field = nullptr;
    std::optional<std::string> stored;
    bool cleared = false;
};

TEST_F(HotkeyTextFieldTest, ClickRecordsAndTheOwnersRedrawShowsTheCapture) {
    EXPECT_EQ(field->text().toStdString(), ShortcutRecorder::placeholderText());
    QTest::mouseClick(field, Qt::LeftButton);
    EXPECT_TRUE(field->isRecording());
    EXPECT_EQ(field->text().toStdString(), ShortcutRecorder::recordingText());

    QKeyEvent press = x11Press(Qt::Key_S, 39, x11Control | x11Alt);
    QCoreApplication::sendEvent(field, &press);
    EXPECT_FALSE(field->isRecording());
    EXPECT_EQ(stored, "⌃⌥S");

    view.update(*field);
    EXPECT_EQ(field->text(), QStringLiteral("⌃⌥S"));
}

TEST_F(HotkeyTextFieldTest, DeleteClearsAndTheRedrawShowsThePlaceholder) {
    field->setDisplayString("⌘K");
    QTest::mouseClick(field, Qt::LeftButton);
    QKeyEvent press = x11Press(Qt::Key_Backspace, 22, 0);
    QCoreApplication::sendEvent(field, &press);
    EXPECT_TRUE(cleared);
    view.update(*field);
    EXPECT_EQ(field->text().toStdString(), ShortcutRecorder::placeholderText());
}

}  // namespace
}  // namespace swivlo
