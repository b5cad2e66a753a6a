#include <gtest/gtest.h>

#include "HostTimelines.h"
#include "SimulatedHostFixture.h"
#include "core/Notifications.h"
#include "core/PreferencesKeys.h"
#include "fakes/TestPlatform.h"
#include "panel/StatusContent.h"
#include "scenes/SceneManager.h"
#include "switches/KeepAwakeTimer.h"
#include "switches/SwitchCatalogue.h"

namespace swivlo {
namespace {

using Strings = std::vector<std::string>;
using namespace testing::timelines;

class StatusContentTest : public ::testing::Test {
protected:
    int closeRequestCount() const {
        return host.notificationCount(Notification::requestClosePopover);
    }

    std::vector<std::string> visibleIds() {
        std::vector<std::string> ids;
        for (const Row& row : content.visibleRows()) {
            ids.push_back(row.id.toStdString());
        }
        return ids;
    }

    // What the user's flip of a row's switch, or press of its button, does.
    void flip(const char* id, bool on) { content.setSwitch(*SwitchCatalogue::byPanelId(id), on); }
    void press(const char* id) { content.runAction(*SwitchCatalogue::byPanelId(id)); }

    Scene addScene(SceneFeatures features) {
        Scene scene{QUuid::createUuid(), "Focus", "moon.fill", "purple", false,
                    std::move(features)};
        scenes.addOrUpdateScene(scene);
        return scene;
    }

    testing::TestPlatform platform;
    testing::SimulatedHostFixture host;
    SceneManager scenes;
    int opened = 0;
    StatusContent content{scenes, {[this] { opened |= 1; }, [this] { opened |= 2; }}};
};

TEST_F(StatusContentTest, OrderAndHiddenIdsAreReadAtEveryDraw) {
    struct Case {
        const char* order;
        const char* hidden;
        Strings expected;
    } cases[] = {
        {"",
         "screen_cleaner,hide_all_windows",
         {"hide_desktop", "hide_widgets", "auto_hide_dock", "stage_manager", "dark_mode",
          "keep_awake"}},
        {"dark_mode,dark_mode",
         "keep_awake",
         {"dark_mode", "hide_desktop", "hide_widgets", "auto_hide_dock", "stage_manager",
          "hide_all_windows", "screen_cleaner"}},
    };
    for (const auto& c : cases) {
        platform.preferences.setString(PreferencesKey::panelItemsOrder, c.order);
        platform.preferences.setString(PreferencesKey::hiddenSwitchIDs, c.hidden);
        EXPECT_EQ(visibleIds(), c.expected) << c.order << " / " << c.hidden;
    }
}

struct ActionCase {
    const char* name;
    const char* id;
    std::optional<bool> on;  // none: the row's button
    Strings timeline;
};

class StatusContentActionTest : public StatusContentTest,
                                public ::testing::WithParamInterface<ActionCase> {};

TEST_P(StatusContentActionTest, SendsExactlyTheSwitchTextsAndAsksToCloseOnceWhenWanted) {
    platform.preferences.setBool(PreferencesKey::autoClosePanel, true);
    host.clearHistory();
    if (GetParam().on) {
        flip(GetParam().id, *GetParam().on);
    } else {
        press(GetParam().id);
    }
    EXPECT_EQ(host.timeline(), GetParam().timeline);
    platform.mainQueue.advance(0.149);
    EXPECT_EQ(closeRequestCount(), 0);
    platform.mainQueue.advance(0.001);
    EXPECT_EQ(closeRequestCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StatusContentActionTest,
    ::testing::Values(ActionCase{"HideDesktop", "hide_desktop", true,
                                 suspendMonitor + desktopVisible(false)},
                      ActionCase{"AutoHideDock", "auto_hide_dock", false, dock(false)},
                      ActionCase{"HideAllWindows", "hide_all_windows", std::nullopt, hideWindows},
                      ActionCase{"KeepAwake", "keep_awake", true, keepAwakeOn},
                      ActionCase{"ScreenCleaner", "screen_cleaner", std::nullopt, {}}),
    [](const auto& info) { return info.param.name; });

TEST_F(StatusContentTest, RefusedScriptKeepsTheSwitchShowsTheAlertAndStillAsksToClose) {
    platform.preferences.setBool(PreferencesKey::autoClosePanel, true);
    host.host.setAutomationPermitted(false);
    flip("auto_hide_dock", true);
    EXPECT_FALSE(content.isOn(Capability::autoHideDock));
    EXPECT_TRUE(content.showPermissionAlert());
    flip("dark_mode", true);
    EXPECT_FALSE(content.isOn(Capability::darkMode));
    platform.mainQueue.advance(0.15);
    EXPECT_EQ(closeRequestCount(), 2);

    const std::string openSettings =
        "workspace.openURL "
        "x-apple.systempreferences:com.apple.preference.security?Privacy_Accessibility";
    content.dismissPermissionAlert(false);  // ignored: opens nothing
    EXPECT_FALSE(content.showPermissionAlert());
    EXPECT_FALSE(platform.log.contains(openSettings));
    NotificationCenter::defaultCenter().post(Notification::showAccessibilityPermissionAlert);
    ASSERT_TRUE(content.showPermissionAlert());
    content.dismissPermissionAlert(true);
    EXPECT_FALSE(content.showPermissionAlert());
    EXPECT_TRUE(platform.log.contains(openSettings));
}

TEST_F(StatusContentTest, ATimedKeepAwakeShowsItsTimeLeftAndEndsInTheOpenPanel) {
    auto keepAwakeRow = [this] {
        for (const Row& row : content.visibleRows()) {
            if (row.id == "keep_awake") {
                return row;
            }
        }
        return Row{};
    };
    content.loadSwitchStates();
    int redraws = 0;
    QObject::connect(&content, &StatusContent::changed, [&] { ++redraws; });

    KeepAwakeTimer::shared().keepAwakeFor(2 * 60 * 60);
    EXPECT_TRUE(content.isOn(Capability::keepAwake)) << "started elsewhere, shown here";
    EXPECT_EQ(keepAwakeRow().caption(), "2 h left");
    platform.mainQueue.advance(61);
    EXPECT_EQ(keepAwakeRow().caption(), "1 h 59 min left");
    EXPECT_EQ(redraws, 2);

    platform.mainQueue.advance(2 * 60 * 60);
    EXPECT_FALSE(content.isOn(Capability::keepAwake));
    EXPECT_EQ(keepAwakeRow().caption(), "");
}

TEST_F(StatusContentTest, WithoutAutoCloseNothingIsPosted) {
    flip("hide_widgets", true);
    press("hide_all_windows");
    platform.mainQueue.advance(1);
    EXPECT_EQ(closeRequestCount(), 0);
}

TEST_F(StatusContentTest, SceneTogglesActivateAndRereadButNeverAskToClose) {
    platform.preferences.setBool(PreferencesKey::autoClosePanel, true);
    const Scene scene = addScene({{"darkMode", true}});
    const Row row = content.sceneRows().at(0);
    host.clearHistory();
    row.control.asToggle()->set(true);
    EXPECT_TRUE(row.control.asToggle()->get());
    EXPECT_TRUE(content.isOn(Capability::darkMode)) << "states were read again";
    row.control.asToggle()->set(false);
    EXPECT_FALSE(row.control.asToggle()->get());
    EXPECT_FALSE(content.isOn(Capability::darkMode));
    platform.mainQueue.advance(1);
    EXPECT_EQ(closeRequestCount(), 0);
}

TEST_F(StatusContentTest, TurningOffAnInactiveSceneOnlyRereadsStates) {
    addScene({{"hideDesktop", true}});
    host.clearHistory();
    content.loadSwitchStates();
    const Strings reads = host.timeline();
    ASSERT_FALSE(reads.empty());
    host.clearHistory();
    content.sceneRows().at(0).control.asToggle()->set(false);
    EXPECT_EQ(host.timeline(), reads);
}

TEST_F(StatusContentTest, ScenesAreNeitherReorderedNorHiddenByPanelPreferences) {
    const Scene a = addScene({});
    const Scene b = addScene({});
    const QString bRow = QStringLiteral("scene_") + QString::fromStdString(sceneIdString(b.id));
    platform.preferences.setString(PreferencesKey::panelItemsOrder, bRow.toStdString());
    platform.preferences.setString(PreferencesKey::hiddenSwitchIDs, bRow.toStdString());
    const auto rows = content.sceneRows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].id, bRow);
}

TEST_F(StatusContentTest, DeletingTheLastSceneRemovesTheSceneSection) {
    const Scene scene = addScene({});
    int changes = 0;
    QObject::connect(&content, &StatusContent::changed, [&] { ++changes; });
    scenes.deleteScene(scene.id);
    EXPECT_FALSE(content.hasScenes());
    EXPECT_GE(changes, 1);
}

}  // namespace
}  // namespace swivlo
