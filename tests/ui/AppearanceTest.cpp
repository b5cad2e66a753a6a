#include <gtest/gtest.h>

#include <QSignalSpy>

#include "ui/Appearance.h"

namespace swivlo {
namespace {

class AppearanceTest : public ::testing::Test {
protected:
    void TearDown() override { Appearance::shared().setDark(false); }
};

TEST_F(AppearanceTest, AnnouncesEachRealChangeOnce) {
    Appearance& appearance = Appearance::shared();
    appearance.setDark(false);
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
