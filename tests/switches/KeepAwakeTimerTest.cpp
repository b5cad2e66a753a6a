// Keep Awake for a time, on the manual main-queue clock and the simulated host.
#include <gtest/gtest.h>

#include "SimulatedHostFixture.h"
#include "fakes/TestPlatform.h"
#include "switches/KeepAwakeTimer.h"
#include "switches/SystemTools.h"

namespace swivlo {
namespace {

constexpr double minute = 60;

class KeepAwakeTimerTest : public ::testing::Test {
public:
    void SetUp() override {
        QObject::connect(&timer, &KeepAwakeTimer::expired, &receiver, [this] { ++expired; });
    }
    // The timer outlives each test's clock.
    void TearDown() override { timer.cancel(); }

    bool keepingAwake() { return SystemTools::shared().readStates()[Capability::keepAwake]; }
    void setByHand(bool on) {
        SystemTools::shared().setSwitch(*SwitchCatalogue::byCapability(Capability::keepAwake), on);
    }
    long disabledLines() const {
        return std::count(host.log.lines.begin(), host.log.lines.end(), "✅ Keep Awake disabled");
    }

    testing::TestPlatform platform;
    testing::SimulatedHostFixture host;
    KeepAwakeTimer& timer = KeepAwakeTimer::shared();
    QObject receiver;
    int expired = 0;
};

// What happens in the middle of a 90-minute timer, and what is left when its time is long past.
struct Interruption {
    const char* name;
    std::function<void(KeepAwakeTimerTest&)> act;  // at 10 minutes
    bool onAtTheEnd;
    int expiries;
    long disabledLines;
};

class KeepAwakeTimerInterruptionTest : public KeepAwakeTimerTest,
                                       public ::testing::WithParamInterface<Interruption> {};

TEST_P(KeepAwakeTimerInterruptionTest, EndsByItselfUnlessSetByHand) {
    ASSERT_EQ(timer.keepAwakeFor(90 * minute), Change::done);
    EXPECT_TRUE(keepingAwake());
    platform.mainQueue.advance(10 * minute);
    EXPECT_EQ(timer.remaining(), 80 * minute);
    GetParam().act(*this);
    platform.mainQueue.advance(24 * 60 * minute);

    EXPECT_EQ(keepingAwake(), GetParam().onAtTheEnd);
    EXPECT_EQ(expired, GetParam().expiries);
    EXPECT_EQ(disabledLines(), GetParam().disabledLines);
    EXPECT_FALSE(timer.remaining());
    EXPECT_EQ(platform.mainQueue.pendingCount(), 0u) << "nothing left ticking";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeepAwakeTimerInterruptionTest,
    ::testing::Values(
        // The end is the switch turned off: the same log line, the child gone.
        Interruption{"Nothing", [](KeepAwakeTimerTest&) {}, false, 1, 1},
        Interruption{"OffByHand", [](KeepAwakeTimerTest& t) { t.setByHand(false); }, false, 0, 1},
        Interruption{"OnByHand", [](KeepAwakeTimerTest& t) { t.setByHand(true); }, true, 0, 0},
        // A second time replaces the first: it ends once, after its own time.
        Interruption{"AnotherTime",
                     [](KeepAwakeTimerTest& t) {
                         t.timer.keepAwakeFor(5 * minute);
                         t.platform.mainQueue.advance(5 * minute - 1);
                         EXPECT_TRUE(t.keepingAwake());
                         t.platform.mainQueue.advance(1);
                         EXPECT_FALSE(t.keepingAwake());
                     },
                     false, 1, 1}),
    [](const auto& info) { return info.param.name; });

TEST(KeepAwakeTimerText, SaysTheLargestWholeUnitsRoundedUp) {
    const std::pair<double, const char*> cases[] = {
        {0.2, "1 s left"},    {59, "59 s left"},        {59.5, "1 min left"},
        {60, "1 min left"},   {3540, "59 min left"},    {3541, "1 h left"},
        {3600, "1 h left"},   {3660, "1 h 1 min left"}, {5400, "1 h 30 min left"},
        {86400, "24 h left"},
    };
    for (const auto& [seconds, text] : cases) {
        EXPECT_EQ(KeepAwakeTimer::remainingText(seconds), QString::fromUtf8(text)) << seconds;
    }
}

TEST_F(KeepAwakeTimerTest, AChildThatWouldNotStartGetsNoTimer) {
    host.host.caffeinateAvailable = false;
    timer.keepAwakeFor(30 * minute);
    EXPECT_FALSE(keepingAwake());
    EXPECT_FALSE(timer.remaining());
}

}  // namespace
}  // namespace swivlo
