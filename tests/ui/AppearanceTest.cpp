#include <QSignalSpy>

#include "WidgetTestSupport.h"

namespace swivlo {
namespace {

using AppearanceTest = testing::WidgetTest;

TEST_F(AppearanceTest, AnnouncesEachRealChangeOnce) {
    Appearance& appearance = Appearance::shared();
    QSignalSpy changed(&appearance, &Appearance::changed);
    appearance.setDark(true);
    appearance.setDark(true);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(appearance.isDark());
    appearance.setColorScheme(ColorScheme::light);
    EXPECT_EQ(changed.count(), 2);
}

}  // namespace
}  // namespace swivlo
