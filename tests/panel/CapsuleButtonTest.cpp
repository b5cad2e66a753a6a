#include <QBoxLayout>
#include <QSignalSpy>
#include <QTest>

#include "WidgetTestSupport.h"
#include "panel/CapsuleActionButtonStyle.h"
#include "panel/CapsuleButton.h"
#include "ui/AnimatedValue.h"

namespace swivlo {
namespace {

using CapsuleButtonTest = testing::WidgetTest;

TEST_F(CapsuleButtonTest, SpaceAndClickRunIt) {
    CapsuleButton button(QStringLiteral("Start"));
    QSignalSpy clicked(&button, &QAbstractButton::clicked);
    showActive(button);
    button.setFocus(Qt::TabFocusReason);
    QTest::keyClick(&button, Qt::Key_Space);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 2);
    EXPECT_FALSE(button.isCheckable());
}

TEST_F(CapsuleButtonTest, RestylesAtOnceWhenTheAppearanceChanges) {
    CapsuleButton button(QStringLiteral("Hide"));
    button.show();
    const QImage light = button.grab().toImage();
    Appearance::shared().setDark(true);
    const QImage dark = button.grab().toImage();
    EXPECT_NE(light, dark);
    // Sample the fill away from label and rims.
    const QColor lightFill = light.pixelColor(8, 14);
    const QColor darkFill = dark.pixelColor(8, 14);
    EXPECT_GT(lightFill.lightness(), darkFill.lightness());
}

TEST(PressSpring, StartsAtRestOvershootsAndSettles) {
    EXPECT_DOUBLE_EQ(pressSpringProgress(0.0), 0.0);
    EXPECT_DOUBLE_EQ(pressSpringProgress(1.0), 1.0);
    qreal peak = 0;
    for (int i = 0; i <= 100; ++i) {
        peak = std::max(peak, pressSpringProgress(i / 100.0));
    }
    // A 0.6 damping fraction overshoots by roughly a tenth.
    EXPECT_GT(peak, 1.05);
    EXPECT_LT(peak, 1.15);
    EXPECT_NEAR(pressSpringProgress(0.95), 1.0, 0.01);
}

TEST(EaseInOut, IsSymmetricAndSlowAtBothEnds) {
    const QEasingCurve curve = easeInOutCurve();
    EXPECT_NEAR(curve.valueForProgress(0.5), 0.5, 0.01);
    EXPECT_LT(curve.valueForProgress(0.1), 0.1);
    EXPECT_GT(curve.valueForProgress(0.9), 0.9);
}

}  // namespace
}  // namespace swivlo
