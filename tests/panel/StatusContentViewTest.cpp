#include <gtest/gtest.h>

#include "SimulatedHostFixture.h"
#include "core/PreferencesKeys.h"
#include "fakes/TestPlatform.h"
#include "panel/StatusContentView.h"
#include "platform/desktop/PanelPopover.h"
#include "scenes/SceneManager.h"

namespace swivlo {
namespace {

class StatusContentViewTest : public ::testing::Test {
protected:
    // The height the panel gets for a freshly built content, as the shell measures it.
    double panelHeight() {
        desktop::WidgetPanelController controller(
            std::make_unique<StatusContentView>(scenes, StatusContent::Openers{}));
        return controller.fittingHeight(300);
    }

    testing::TestPlatform platform;
    testing::SimulatedHostFixture host;
    SceneManager scenes;
};

TEST_F(StatusContentViewTest, HeightFollowsTheVisibleRowsAndScenesAtAFixedWidth) {
    const double full = panelHeight();
    platform.preferences.setString(PreferencesKey::hiddenSwitchIDs, "keep_awake,dark_mode");
    const double twoHidden = panelHeight();
    EXPECT_LT(twoHidden, full);

    platform.preferences.setString(PreferencesKey::hiddenSwitchIDs, "");
    scenes.addOrUpdateScene({QUuid::createUuid(), "Focus", "moon.fill", "indigo", false, {}});
    EXPECT_GT(panelHeight(), full) << "headers and a scene card appear";
}

struct Placement {
    const char* name;
    QRect item;  // empty: nothing says where, the top right corner stands in
    int height;
    QRect expected;
};

class PanelPlacement : public ::testing::TestWithParam<Placement> {};

// A 1366x768 screen; items 24 high at the top or the bottom edge; a 300-wide panel 4 points away.
TEST_P(PanelPlacement, StaysOnTheScreenBesideTheItem) {
    const Placement& p = GetParam();
    EXPECT_EQ(
        desktop::PanelPopover::placement(p.item, QSize(300, p.height), QRect(0, 0, 1366, 768)),
        p.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PanelPlacement,
    ::testing::Values(
        Placement{"FitsBelow", {1300, 0, 24, 24}, 402, {1066, 28, 300, 402}},
        Placement{"TallerThanTheRoomBelow", {1300, 0, 24, 24}, 800, {1066, 28, 300, 740}},
        Placement{"AboveABottomItem", {600, 744, 24, 24}, 402, {461, 338, 300, 402}},
        Placement{"TallerThanTheRoomAbove", {600, 744, 24, 24}, 800, {461, 0, 300, 740}},
        Placement{"ClampedAtTheLeftEdge", {0, 0, 24, 24}, 402, {0, 28, 300, 402}},
        Placement{"ClampedAtTheRightEdge", {1342, 744, 24, 24}, 402, {1066, 338, 300, 402}},
        Placement{"NothingSaysWhereTopRight", {}, 402, {1066, 5, 300, 402}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace swivlo
