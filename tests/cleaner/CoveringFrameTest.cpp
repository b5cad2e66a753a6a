#include <gtest/gtest.h>

#include "cleaner/CoveringFrame.h"

namespace swivlo {
namespace {

// Several screens: ScreenCleanerWindowTest's EachUseCoversTheDisplaysOfThatMoment.
TEST(CoveringFrameTest, SpansEveryScreenAndTheOrigin) {
    // Away from the origin, on either side, the frame still reaches back to it.
    EXPECT_EQ(coveringFrame({QRectF(-1000, -800, 500, 400)}), QRectF(-1000, -800, 1000, 800));
    EXPECT_EQ(coveringFrame({QRectF(100, 50, 800, 600)}), QRectF(0, 0, 900, 650));
    EXPECT_EQ(coveringFrame({}), QRectF(0, 0, 0, 0)) << "no screens";
}

}  // namespace
}  // namespace swivlo
