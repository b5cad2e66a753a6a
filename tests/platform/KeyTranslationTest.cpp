#include <gtest/gtest.h>

#include <Qt>

#include "platform/Events.h"
#include "platform/KeyTranslation.h"

namespace swivlo::keys {
namespace {

struct KeyCase {
    const char* name;
    unsigned x11Keycode;  // as the X server numbers it on Linux (evdev + 8)
    int qtKey;
    std::uint16_t macKeyCode;
    const char* keysym;  // as desktops' keyboard settings name the key
};

class KeyTableTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyTableTest, X11AndQtAgreeOnTheVirtualKeyCode) {
    const auto& c = GetParam();
    EXPECT_EQ(keyCodeFromX11(c.x11Keycode), c.macKeyCode);
    EXPECT_EQ(keyCodeFromQtKey(c.qtKey), c.macKeyCode);
    // And back, for taking the stored shortcut from the X server or a desktop.
    EXPECT_EQ(x11KeycodeFor(c.macKeyCode), c.x11Keycode);
    EXPECT_EQ(qtKeyFor(c.macKeyCode), c.qtKey);
    EXPECT_EQ(keysymNameFor(c.macKeyCode), c.keysym);
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyTableTest,
                         ::testing::Values(KeyCase{"A", 38, Qt::Key_A, 0, "a"},
                                           KeyCase{"Return", 36, Qt::Key_Return, 36, "Return"},
                                           KeyCase{"F5", 71, Qt::Key_F5, 96, "F5"},
                                           KeyCase{"Up", 111, Qt::Key_Up, 126, "Up"},
                                           KeyCase{"Grave", 49, Qt::Key_QuoteLeft, 50, "grave"},
                                           KeyCase{"Seven", 16, Qt::Key_7, 26, "7"}),
                         [](const auto& info) { return info.param.name; });

TEST(KeyTranslationTest, StoredModifiersBecomeTheX11Mask) {
    using namespace ModifierFlag;
    const std::pair<std::uint64_t, unsigned> cases[] = {
        {control | option, 0x04 | 0x08},
        {command | shift, 0x40 | 0x01},
        {capsLock | control, 0x02 | 0x04},
        // The bits a function key or arrow adds itself are no modifier to press.
        {control | function | numericPad, 0x04},
    };
    for (const auto& [flags, mask] : cases) {
        EXPECT_EQ(x11ModifiersFor(flags), mask) << flags;
        EXPECT_EQ(modifierFlagsFromX11(mask),
                  flags & (capsLock | shift | control | option | command));
    }
    EXPECT_EQ(modifierFlagsFromX11(0x10 | 0x04), control) << "Num Lock (Mod2) has no counterpart";
}

TEST(KeyTranslationTest, UnknownKeysHaveNoCode) {
    EXPECT_EQ(keyCodeFromX11(0), std::nullopt);
    EXPECT_EQ(keyCodeFromX11(8 + 84), std::nullopt);
    EXPECT_EQ(keyCodeFromX11(100000), std::nullopt);
    EXPECT_EQ(keyCodeFromQtKey(Qt::Key_unknown), std::nullopt);
    EXPECT_EQ(x11KeycodeFor(KeyCode::unknown), std::nullopt);
    EXPECT_EQ(keysymNameFor(KeyCode::unknown), "");
}

}  // namespace
}  // namespace swivlo::keys
