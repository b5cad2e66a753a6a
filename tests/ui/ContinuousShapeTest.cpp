#include <gtest/gtest.h>

#include "ui/ContinuousShape.h"

namespace swivlo {
namespace {

struct ShapeCase {
    QRectF rect;
    qreal radius;
};

class ContinuousShape : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(ContinuousShape, StaysInsideItsRectAndTouchesEveryEdge) {
    const QRectF rect = GetParam().rect;
    const QPainterPath path = continuousRoundedRect(rect, GetParam().radius);
    const QRectF bounds = path.boundingRect();
    EXPECT_NEAR(bounds.left(), rect.left(), 1e-6);
    EXPECT_NEAR(bounds.top(), rect.top(), 1e-6);
    EXPECT_NEAR(bounds.right(), rect.right(), 1e-6);
    EXPECT_NEAR(bounds.bottom(), rect.bottom(), 1e-6);
    EXPECT_TRUE(path.contains(rect.center()));
    // Rounded: the very corners are outside.
    EXPECT_FALSE(path.contains(rect.topLeft() + QPointF(0.5, 0.5)));
    EXPECT_FALSE(path.contains(rect.bottomRight() - QPointF(0.5, 0.5)));
}

INSTANTIATE_TEST_SUITE_P(Sizes, ContinuousShape,
                         ::testing::Values(ShapeCase{{0, 0, 28, 28}, 8},
                                           ShapeCase{{0, 0, 56, 28}, 14},
                                           ShapeCase{{0, 0, 56, 28}, 100},
                                           ShapeCase{{3, 3, 10, 40}, 6}));

}  // namespace
}  // namespace swivlo
