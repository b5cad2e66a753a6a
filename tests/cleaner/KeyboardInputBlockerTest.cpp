#include <gtest/gtest.h>

#include "cleaner/KeyboardInputBlocker.h"
#include "fakes/TestPlatform.h"

namespace swivlo {
namespace {

using testing::TestPlatform;

class KeyboardInputBlockerTest : public ::testing::Test {
protected:
    TestPlatform platform;
    KeyboardInputBlocker blocker;
};

TEST_F(KeyboardInputBlockerTest, OneTapWhileRunningAndStopIsSafeTwice) {
    ASSERT_TRUE(blocker.start());
    EXPECT_TRUE(blocker.start());
    EXPECT_EQ(platform.keyboardTap.liveTaps(), 1u);
    blocker.stop();
    blocker.stop();
    EXPECT_EQ(platform.log.lines(), (std::vector<std::string>{"tap.create", "tap.invalidate"}));
    EXPECT_FALSE(blocker.isRunning());
}

struct NoticeCase {
    TapEventType type;
    bool reenables;
};

class TapNoticeTest : public KeyboardInputBlockerTest,
                      public ::testing::WithParamInterface<NoticeCase> {};

TEST_P(TapNoticeTest, OnlyTheEndOfTheGrabTakesTheKeyboardBack) {
    ASSERT_TRUE(blocker.start());
    platform.log.clear();
    platform.keyboardTap.send(GetParam().type);
    EXPECT_EQ(platform.log.count("tap.reenable"), GetParam().reenables ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Types, TapNoticeTest,
                         ::testing::Values(NoticeCase{TapEventType::KeyDown, false},
                                           NoticeCase{TapEventType::FlagsChanged, false},
                                           NoticeCase{TapEventType::TapDisabledByTimeout, true},
                                           NoticeCase{TapEventType::TapDisabledByUserInput, true}));

TEST_F(KeyboardInputBlockerTest, DestroyingARunningBlockerEndsItsTap) {
    {
        KeyboardInputBlocker shortLived;
        ASSERT_TRUE(shortLived.start());
    }
    EXPECT_EQ(platform.keyboardTap.liveTaps(), 0u);
}

}  // namespace
}  // namespace swivlo
