#include "WidgetTestSupport.h"
#include "ui/SwitchControl.h"

namespace swivlo {
namespace {

using SwitchControlTest = testing::WidgetTest;

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
