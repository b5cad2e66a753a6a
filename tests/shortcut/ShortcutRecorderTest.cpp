#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/Events.h"
#include "platform/KeyTranslation.h"
#include "shortcut/ShortcutDisplay.h"
#include "shortcut/ShortcutRecorder.h"

namespace swivlo {
namespace {

namespace F = ModifierFlag;
namespace K = keys::KeyCode;

Event keyDown(std::uint16_t code, std::uint64_t flags, std::string characters = {}) {
    Event e;
    e.type = EventType::KeyDown;
    e.keyCode = code;
    e.modifierFlags = flags;
    e.charactersIgnoringModifiers = std::move(characters);
    return e;
}

struct Captured {
    std::int64_t flags;
    std::int64_t keyCode;
    std::string text;
};

class ShortcutRecorderTest : public ::testing::Test {
protected:
    ShortcutRecorderTest() {
        recorder.onCapture = [this](std::int64_t flags, std::int64_t code, std::string text) {
            ++captures;
            captured = Captured{flags, code, std::move(text)};
        };
        recorder.onClear = [this] { ++clears; };
    }

    ShortcutRecorder recorder;
    std::optional<Captured> captured;
    int captures = 0;
    int clears = 0;
};

// Caps Lock is kept; an arrow carries Function and NumericPad; the low (device-dependent) bits
// go; the glyphs come in a fixed order.
TEST_F(ShortcutRecorderTest, CapturesTheDeviceIndependentFlagsTheKeyAndItsName) {
    const std::uint64_t arrow = F::command | F::shift | F::function | F::numericPad;
    const struct {
        Event key;
        std::uint64_t flags;
        const char* text;
    } cases[] = {
        {keyDown(K::s, F::control | F::option | F::capsLock, "s"), 0xC0000 | 0x10000, "⌃⌥S"},
        {keyDown(K::leftArrow, arrow | 0x108, "\xEF\x9C\x82"), arrow, "⇧⌘←"},  // U+F702
    };
    for (const auto& c : cases) {
        recorder.startRecording();
        recorder.keyDown(c.key);
        ASSERT_TRUE(captured) << c.text;
        EXPECT_EQ(captured->flags, static_cast<std::int64_t>(c.flags));
        EXPECT_EQ(captured->keyCode, c.key.keyCode);
        EXPECT_EQ(captured->text, c.text);
        EXPECT_FALSE(recorder.isRecording());
    }
}

TEST_F(ShortcutRecorderTest, KeysWithoutControlOptionOrCommandOrUnknownKeepRecording) {
    recorder.setDisplayString("⌃⌥S");
    recorder.startRecording();
    for (const std::uint64_t flags :
         {std::uint64_t{0}, F::shift, F::shift | F::capsLock, F::function}) {
        EXPECT_TRUE(recorder.keyDown(keyDown(K::s, flags, "s")));
        EXPECT_TRUE(recorder.isRecording());
        EXPECT_EQ(recorder.shownText(), ShortcutRecorder::recordingText());
    }
    recorder.keyDown(keyDown(0xFFFF, F::control));
    EXPECT_TRUE(recorder.isRecording());
    EXPECT_EQ(captures, 0);
}

TEST_F(ShortcutRecorderTest, EscapeRestoresThePreviousTextOrThePlaceholder) {
    for (const std::string previous : {"⌃⌥S", ""}) {
        recorder.setDisplayString(previous);
        recorder.startRecording();
        recorder.keyDown(keyDown(K::escape, F::command));
        EXPECT_FALSE(recorder.isRecording());
        EXPECT_EQ(recorder.shownText(),
                  previous.empty() ? ShortcutRecorder::placeholderText() : previous);
        EXPECT_EQ(recorder.shownAsPlaceholder(), previous.empty());
    }
    EXPECT_EQ(captures, 0);
    EXPECT_EQ(clears, 0);
}

TEST_F(ShortcutRecorderTest, DeleteAndForwardDeleteClearWithOrWithoutModifiers) {
    for (const std::uint16_t code : {K::deleteKey, K::forwardDelete}) {
        for (const std::uint64_t flags : {std::uint64_t{0}, F::control | F::option}) {
            recorder.startRecording();
            recorder.keyDown(keyDown(code, flags));
            EXPECT_FALSE(recorder.isRecording());
        }
    }
    EXPECT_EQ(clears, 4);
    EXPECT_EQ(captures, 0);
}

TEST_F(ShortcutRecorderTest, ARedrawWhileRecordingKeepsRecordingText) {
    recorder.setDisplayString("⌃⌥S");
    recorder.startRecording();
    recorder.setDisplayString("⌘K");
    EXPECT_EQ(recorder.shownText(), ShortcutRecorder::recordingText());
    EXPECT_EQ(recorder.lastDisplayString(), "⌘K");
    recorder.keyDown(keyDown(K::escape, 0));
    EXPECT_EQ(recorder.shownText(), "⌘K");
}

TEST_F(ShortcutRecorderTest, KeysAreIgnoredWhenIdleAndASecondClickChangesNothing) {
    EXPECT_FALSE(recorder.keyDown(keyDown(K::s, F::control, "s")));
    EXPECT_EQ(captures, 0);
    EXPECT_TRUE(recorder.startRecording());
    EXPECT_FALSE(recorder.startRecording());
    EXPECT_TRUE(recorder.isRecording());
}

struct NameCase {
    const char* what;
    std::uint16_t keyCode;
    std::uint64_t flags;
    const char* characters;
    const char* expected;
};

class DisplayStringTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(DisplayStringTest, NamesTheKey) {
    const NameCase& c = GetParam();
    EXPECT_EQ(keys::shortcutDisplayString(c.flags, c.keyCode, c.characters), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, DisplayStringTest,
    ::testing::Values(
        NameCase{"letter upper-cased", K::a, F::command, "a", "⌘A"},
        NameCase{"punctuation", 44, F::option, "/", "⌥/"},
        NameCase{"all four in fixed order", K::s, F::command | F::shift | F::option | F::control,
                 "s", "⌃⌥⇧⌘S"},
        NameCase{"F5 has no printable character", K::f5, F::control | F::function, "\xEF\x9C\x88",
                 "⌃Key96"},
        NameCase{"accented letter with a table entry", K::returnKey, F::control, "é", "⌃↩"},
        NameCase{"accented letter without a table entry", 10, F::control, "é", "⌃Key10"},
        NameCase{"space bar", K::space, F::control, " ", "⌃Space"},
        NameCase{"caps lock adds no glyph", K::s, F::control | F::capsLock, "s", "⌃S"}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

}  // namespace
}  // namespace swivlo
