#include <QTest>

#include "WidgetTestSupport.h"
#include "panel/CapsuleActionButtonStyle.h"
#include "panel/CapsuleButton.h"
#include "ui/AnimatedValue.h"

namespace swivlo {
namespace {

using CapsuleButtonTest = testing::WidgetTest;

TEST_F(CapsuleButtonTest, RestylesAtOnceWhenTheAppearanceChanges) {
    CapsuleButton button(QStringLiteral("Hide"));
    button.show();
    const QImage light = button.grab().toImage();
    Appearance::shared().setDark(true);
    const QImage dark = button.grab().toImage();
    EXPECT_NE(light, dark);
}

}  // namespace
}  // namespace swivlo
