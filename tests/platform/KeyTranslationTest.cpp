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
};

class KeyTableTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyTableTest, X11AndQtAgreeOnTheVirtualKeyCode) {
    const auto& c = GetParam();
    EXPECT_EQ(keyCodeFromX11(c.x11Keycode), c.macKeyCode);
    EXPECT_EQ(keyCodeFromQtKey(c.qtKey), c.macKeyCode);
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyTableTest,
                         ::testing::Values(KeyCase{"A", 38, Qt::Key_A, 0},
                                           KeyCase{"Return", 36, Qt::Key_Return, 36},
                                           KeyCase{"F5", 71, Qt::Key_F5, 96},
                                           KeyCase{"Up", 111, Qt::Key_Up, 126},
                                           KeyCase{"Grave", 49, Qt::Key_QuoteLeft, 50}),
                         [](const auto& info) { return info.param.name; });

TEST(KeyTranslationTest, UnknownKeysHaveNoCode) {
    EXPECT_EQ(keyCodeFromX11(0), std::nullopt);
    EXPECT_EQ(keyCodeFromX11(8 + 84), std::nullopt);
    EXPECT_EQ(keyCodeFromX11(100000), std::nullopt);
    EXPECT_EQ(keyCodeFromQtKey(Qt::Key_unknown), std::nullopt);
}

TEST(KeyTranslationTest, X11ModifierMasksBecomeDeviceIndependentBits) {
    struct {
        unsigned state;
        std::uint64_t flags;
    } cases[] = {
        {0, 0},
        {0x10, 0},  // Num Lock (Mod2) has no counterpart
        {0x0C, 0xC0000},
        {0x4F, ModifierFlag::shift | ModifierFlag::capsLock | ModifierFlag::control |
                   ModifierFlag::option | ModifierFlag::command},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(modifierFlagsFromX11(c.state), c.flags) << c.state;
        EXPECT_EQ(modifierFlagsFromX11(c.state) & ~ModifierFlag::deviceIndependentMask, 0u);
    }
}

TEST(KeyTranslationTest, QtModifiersMapLikeX11Ones) {
    EXPECT_EQ(modifierFlagsFromQt(Qt::ControlModifier | Qt::AltModifier), 0xC0000u);
    EXPECT_EQ(modifierFlagsFromQt(Qt::MetaModifier | Qt::ShiftModifier),
              ModifierFlag::command | ModifierFlag::shift);
    EXPECT_EQ(modifierFlagsFromQt(Qt::KeypadModifier), 0u);
}

TEST(KeyTranslationTest, ArrowsAndFunctionKeysCarryTheHostsKeyBits) {
    EXPECT_EQ(keyFlags(123), ModifierFlag::function | ModifierFlag::numericPad);
    EXPECT_EQ(keyFlags(96), ModifierFlag::function);
    EXPECT_EQ(keyFlags(49), 0u);
}

}  // namespace
}  // namespace swivlo::keys
