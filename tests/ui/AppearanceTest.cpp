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
    EXPECT_EQ(appearance.palette().primary, QColor(Qt::white));
    appearance.setColorScheme(ColorScheme::light);
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(appearance.palette().primary, QColor(Qt::black));
}

TEST_F(AppearanceTest, TextStaysReadableOnTheBackgroundInBothAppearances) {
    for (const ColorScheme scheme : {ColorScheme::light, ColorScheme::dark}) {
        const PanelPalette p = PanelPalette::forScheme(scheme);
        const auto lightness = [](const QColor& c) { return c.lightnessF(); };
        EXPECT_GT(std::abs(lightness(p.label) - lightness(p.panelBackground)), 0.6);
        EXPECT_LT(p.secondaryLabel.alpha(), p.label.alpha());
    }
}

TEST_F(AppearanceTest, NamedColoursFollowTheAppearance) {
    const char* const names[] = {"blue", "orange", "purple", "green", "red",   "indigo", "yellow",
                                 "cyan", "teal",   "pink",   "mint",  "brown", "gray"};
    for (const char* name : names) {
        const QColor light = Appearance::namedColor(QString::fromLatin1(name), ColorScheme::light);
        const QColor dark = Appearance::namedColor(QString::fromLatin1(name), ColorScheme::dark);
        EXPECT_TRUE(light.isValid()) << name;
        EXPECT_TRUE(dark.isValid()) << name;
    }
    EXPECT_EQ(Appearance::namedColor(QStringLiteral("blue"), ColorScheme::light),
              QColor(0, 122, 255));
    EXPECT_EQ(Appearance::namedColor(QStringLiteral("blue"), ColorScheme::dark),
              QColor(10, 132, 255));
    EXPECT_FALSE(Appearance::namedColor(QStringLiteral("Blue"), ColorScheme::light).isValid());
    EXPECT_FALSE(
        Appearance::namedColor(QStringLiteral("custom:FF0000"), ColorScheme::light).isValid());
}

TEST_F(AppearanceTest, OpacityMultipliesTheColoursOwn) {
    const QColor half(10, 20, 30, 128);
    EXPECT_NEAR(Appearance::withOpacity(half, 0.5).alphaF(), 0.25, 0.01);
    EXPECT_EQ(Appearance::withOpacity(Qt::black, 0.04).rgb(), QColor(Qt::black).rgb());
    EXPECT_EQ(Appearance::withOpacity(Qt::black, 2.0).alpha(), 255);
}

}  // namespace
}  // namespace swivlo
