#include <QSignalSpy>
#include <QTest>

#include "WidgetTestSupport.h"
#include "ui/SwitchControl.h"

namespace swivlo {
namespace {

using SwitchControlTest = testing::WidgetTest;

TEST_F(SwitchControlTest, SpaceAndClickFlipIt) {
    SwitchControl control;
    QSignalSpy toggled(&control, &QAbstractButton::toggled);
    showActive(control);
    control.setFocus(Qt::TabFocusReason);

    QTest::keyClick(&control, Qt::Key_Space);
    EXPECT_TRUE(control.isChecked());
    QTest::mouseClick(&control, Qt::LeftButton);
    EXPECT_FALSE(control.isChecked());
    EXPECT_EQ(toggled.count(), 2);
}

TEST_F(SwitchControlTest, DisabledSwitchDoesNotFlip) {
    SwitchControl control;
    control.setEnabled(false);
    showActive(control);
    QTest::keyClick(&control, Qt::Key_Space);
    QTest::mouseClick(&control, Qt::LeftButton);
    EXPECT_FALSE(control.isChecked());
}

TEST_F(SwitchControlTest, KnobFollowsStateSetWhileHiddenAndAppearsThereWithoutSliding) {
    SwitchControl control;
    control.setChecked(false);
    EXPECT_EQ(control.knobPosition(), 0.0);
    control.setChecked(true);
    EXPECT_EQ(control.knobPosition(), 1.0);
    control.show();
    EXPECT_EQ(control.knobPosition(), 1.0);
}

}  // namespace
}  // namespace swivlo
