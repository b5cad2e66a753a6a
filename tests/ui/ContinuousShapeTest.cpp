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
                                           ShapeCase{{8, 4, 284, 328}, 12},
                                           ShapeCase{{0, 0, 56, 28}, 14},
                                           ShapeCase{{0, 0, 56, 28}, 100},
                                           ShapeCase{{3, 3, 10, 40}, 6}));

TEST(ContinuousShapeCorner, EasesOutFurtherThanACircularCorner) {
    // The continuous corner starts bending before a circular one of the same radius, so a
    // point just under the top edge near the corner is inside the circular shape only.
    const QRectF rect(0, 0, 200, 100);
    QPainterPath circular;
    circular.addRoundedRect(rect, 12, 12);
    const QPainterPath continuous = continuousRoundedRect(rect, 12);
    const QPointF nearCorner(10.2, 0.2);
    EXPECT_TRUE(circular.contains(nearCorner));
    EXPECT_FALSE(continuous.contains(nearCorner));
    EXPECT_TRUE(continuous.contains(QPointF(25, 0.2)));
    // At the diagonal both follow the same circle.
    const QPointF diagonal(12 - 12 / M_SQRT2 + 0.3, 12 - 12 / M_SQRT2 + 0.3);
    EXPECT_TRUE(continuous.contains(diagonal));
}

TEST(ContinuousShapeCorner, CapsuleIsFullyRounded) {
    const QPainterPath path = capsule(QRectF(0, 0, 56, 28));
    EXPECT_TRUE(path.contains(QPointF(14, 14)));
    EXPECT_FALSE(path.contains(QPointF(2, 3)));
    EXPECT_TRUE(path.contains(QPointF(28, 0.5)));
}

TEST(ContinuousShapeCorner, EmptyRectGivesEmptyPath) {
    EXPECT_TRUE(continuousRoundedRect(QRectF(), 8).isEmpty());
    EXPECT_TRUE(continuousRoundedRect(QRectF(0, 0, 10, 0), 8).isEmpty());
    EXPECT_FALSE(continuousRoundedRect(QRectF(0, 0, 10, 10), 0).isEmpty());
}

}  // namespace
}  // namespace swivlo
