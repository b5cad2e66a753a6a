#include <gtest/gtest.h>

#include "cleaner/KeyboardInputBlocker.h"
#include "fakes/TestPlatform.h"

namespace swivlo {
namespace {

class KeyboardInputBlockerTest : public ::testing::Test {
protected:
    testing::TestPlatform platform;
    KeyboardInputBlocker blocker;
};

TEST_F(KeyboardInputBlockerTest, OneTapWhileRunningStopIsSafeTwiceAndDestroyingEndsIt) {
    ASSERT_TRUE(blocker.start());
    EXPECT_TRUE(blocker.start());
    EXPECT_EQ(platform.keyboardTap.liveTaps(), 1u);
    blocker.stop();
    blocker.stop();
    EXPECT_EQ(platform.log.lines(), (std::vector<std::string>{"tap.create", "tap.invalidate"}));
    EXPECT_FALSE(blocker.isRunning());
    {
        KeyboardInputBlocker destroyedRunning;
        ASSERT_TRUE(destroyedRunning.start());
    }
    EXPECT_EQ(platform.keyboardTap.liveTaps(), 0u) << "destroying a running blocker ends its tap";
}

TEST_F(KeyboardInputBlockerTest, OnlyTheEndOfTheGrabTakesTheKeyboardBack) {
    ASSERT_TRUE(blocker.start());
    const std::pair<TapEventType, bool> notices[] = {{TapEventType::KeyDown, false},
                                                     {TapEventType::FlagsChanged, false},
                                                     {TapEventType::TapDisabledByTimeout, true},
                                                     {TapEventType::TapDisabledByUserInput, true}};
    for (const auto& [type, reenables] : notices) {
        platform.log.clear();
        platform.keyboardTap.send(type);
        EXPECT_EQ(platform.log.count("tap.reenable"), reenables ? 1 : 0) << static_cast<int>(type);
    }
}

}  // namespace
}  // namespace swivlo
