#include <gtest/gtest.h>

#include "cleaner/KeyboardInputBlocker.h"
#include "platform/testing/TestPlatform.h"

namespace swivlo {
namespace {

using testing::TestPlatform;

class KeyboardInputBlockerTest : public ::testing::Test {
protected:
    TestPlatform platform;
    KeyboardInputBlocker blocker;
};

TEST_F(KeyboardInputBlockerTest, StartMakesOneTapForKeysAndModifiersOnTheMainLoop) {
    ASSERT_TRUE(blocker.start());
    EXPECT_EQ(platform.log.lines(), (std::vector<std::string>{"tap.create 7168", "tap.createSource",
                                                              "tap.addSource", "tap.enable true"}));
    EXPECT_TRUE(blocker.eventTap().has_value());
    EXPECT_TRUE(blocker.runLoopSource().has_value());
}

TEST_F(KeyboardInputBlockerTest, StartingTwiceKeepsTheOneTap) {
    ASSERT_TRUE(blocker.start());
    const auto firstTap = blocker.eventTap();
    platform.log.clear();
    EXPECT_TRUE(blocker.start());
    EXPECT_TRUE(platform.log.lines().empty());
    EXPECT_EQ(platform.keyboardTap.liveTaps(), 1u);
    EXPECT_EQ(blocker.eventTap(), firstTap);
}

TEST_F(KeyboardInputBlockerTest, StopDetachesThenInvalidatesAndIsSafeTwice) {
    ASSERT_TRUE(blocker.start());
    platform.log.clear();
    blocker.stop();
    blocker.stop();
    EXPECT_EQ(platform.log.lines(),
              (std::vector<std::string>{"tap.removeSource", "tap.invalidate"}));
    EXPECT_FALSE(blocker.isRunning());
    EXPECT_FALSE(blocker.runLoopSource().has_value());
    EXPECT_EQ(platform.keyboardTap.liveTaps(), 0u);
}

TEST_F(KeyboardInputBlockerTest, StopWhenNeverStartedTouchesNothing) {
    blocker.stop();
    EXPECT_TRUE(platform.log.lines().empty());
}

TEST_F(KeyboardInputBlockerTest, RefusedTapStoresNothing) {
    platform.keyboardTap.refuseTap = true;
    EXPECT_FALSE(blocker.start());
    EXPECT_FALSE(blocker.eventTap().has_value());
    EXPECT_FALSE(blocker.runLoopSource().has_value());
    // A later start tries again.
    platform.keyboardTap.refuseTap = false;
    EXPECT_TRUE(blocker.start());
}

TEST_F(KeyboardInputBlockerTest, MissingSourceInvalidatesTheTapAndStoresNothing) {
    platform.keyboardTap.refuseSource = true;
    EXPECT_FALSE(blocker.start());
    EXPECT_TRUE(platform.log.contains("tap.invalidate"));
    EXPECT_EQ(platform.keyboardTap.liveTaps(), 0u);
    EXPECT_FALSE(blocker.eventTap().has_value());
    EXPECT_FALSE(blocker.runLoopSource().has_value());
}

TEST_F(KeyboardInputBlockerTest, RunningTapDropsKeysAndModifierChanges) {
    ASSERT_TRUE(blocker.start());
    for (const TapEventType type :
         {TapEventType::KeyDown, TapEventType::KeyUp, TapEventType::FlagsChanged}) {
        EXPECT_EQ(platform.keyboardTap.send(type), TapDisposition::Drop)
            << static_cast<std::uint32_t>(type);
    }
    blocker.stop();
    EXPECT_EQ(platform.keyboardTap.send(TapEventType::KeyDown), TapDisposition::Pass);
}

struct CallbackCase {
    TapEventType type;
    bool withBlocker;
    TapDisposition expected;
    bool reenables;
};

class TapCallbackTest : public KeyboardInputBlockerTest,
                        public ::testing::WithParamInterface<CallbackCase> {};

TEST_P(TapCallbackTest, AnswersAndReenables) {
    ASSERT_TRUE(blocker.start());
    platform.log.clear();
    const CallbackCase& c = GetParam();
    EXPECT_EQ(KeyboardInputBlocker::tapCallback(c.type, c.withBlocker ? &blocker : nullptr),
              c.expected);
    EXPECT_EQ(platform.log.count("tap.enable true"), c.reenables ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Types, TapCallbackTest,
    ::testing::Values(
        CallbackCase{TapEventType::KeyDown, true, TapDisposition::Drop, false},
        CallbackCase{TapEventType::KeyUp, true, TapDisposition::Drop, false},
        CallbackCase{TapEventType::FlagsChanged, true, TapDisposition::Drop, false},
        CallbackCase{TapEventType::TapDisabledByTimeout, true, TapDisposition::Pass, true},
        CallbackCase{TapEventType::TapDisabledByUserInput, true, TapDisposition::Pass, true},
        CallbackCase{static_cast<TapEventType>(1), true, TapDisposition::Pass, false},
        // Without its user info the callback lets everything through.
        CallbackCase{TapEventType::KeyDown, false, TapDisposition::Pass, false},
        CallbackCase{TapEventType::TapDisabledByTimeout, false, TapDisposition::Pass, false}));

TEST_F(KeyboardInputBlockerTest, DisabledNoticeFromTheHostTurnsTheTapBackOn) {
    ASSERT_TRUE(blocker.start());
    platform.log.clear();
    EXPECT_EQ(platform.keyboardTap.send(TapEventType::TapDisabledByTimeout), TapDisposition::Pass);
    EXPECT_EQ(platform.log.lines(), std::vector<std::string>{"tap.enable true"});
}

TEST_F(KeyboardInputBlockerTest, DestroyingARunningBlockerEndsItsTap) {
    {
        KeyboardInputBlocker shortLived;
        ASSERT_TRUE(shortLived.start());
    }
    EXPECT_EQ(platform.keyboardTap.liveTaps(), 0u);
    // The ended tap no longer calls into the freed blocker.
    EXPECT_EQ(platform.keyboardTap.send(TapEventType::KeyDown), TapDisposition::Pass);
}

}  // namespace
}  // namespace swivlo
