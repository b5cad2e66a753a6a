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

}  // namespace
}  // namespace swivlo
