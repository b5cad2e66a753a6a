#include <gtest/gtest.h>

#include "cleaner/CoveringFrame.h"

namespace swivlo {
namespace {

struct CoveringCase {
    const char* name;
    std::vector<QRectF> screens;
    QRectF expected;
};

class CoveringFrameTest : public ::testing::TestWithParam<CoveringCase> {};

TEST_P(CoveringFrameTest, SpansEveryScreenAndTheOrigin) {
    EXPECT_EQ(coveringFrame(GetParam().screens), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, CoveringFrameTest,
    ::testing::Values(
        CoveringCase{"LeftOfAndBelowMain",
                     {QRectF(0, 0, 1440, 900), QRectF(-1920, 900, 1920, 1080)},
                     QRectF(-1920, 0, 3360, 1980)},
        // Negative coordinates only: the union still reaches back to the origin.
        CoveringCase{
            "AwayFromOrigin", {QRectF(-1000, -800, 500, 400)}, QRectF(-1000, -800, 1000, 800)},
        CoveringCase{"FarFromOriginPositive", {QRectF(100, 50, 800, 600)}, QRectF(0, 0, 900, 650)},
        CoveringCase{"NoScreens", {}, QRectF(0, 0, 0, 0)}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace swivlo
