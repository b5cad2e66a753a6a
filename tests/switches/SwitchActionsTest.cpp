#include <gtest/gtest.h>

#include <functional>

#include "HostTimelines.h"
#include "platform/testing/SimulatedHostFixture.h"
#include "switches/SystemTools.h"

namespace swivlo {
namespace {

using testing::SimulatedHostFixture;
using Texts = std::vector<std::string>;
using namespace testing::timelines;

TEST(HostTexts, HaveTheirExactLengths) {
    struct Case {
        std::string text;
        std::size_t length;
    };
    const Case cases[] = {
        {HostTexts::desktopWritePrefix, 52},      {HostTexts::widgetsWritePrefix, 64},
        {HostTexts::stageManagerWritePrefix, 61}, {HostTexts::dockScriptPrefix, 72},
        {HostTexts::dockReadingScript, 68},       {HostTexts::appearanceScriptPrefix, 84},
        {HostTexts::appearanceScriptSuffix, 20},  {HostTexts::hideWindowsScript, 81},
        {HostTexts::appearanceScript(true), 108},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.text.size(), c.length) << c.text;
    }
}

struct ActionCase {
    const char* name;
    std::function<void(SystemTools&)> act;
    Texts expected;  // the host's events, in order
};

class SwitchActions : public ::testing::TestWithParam<ActionCase> {};

TEST_P(SwitchActions, SendExactlyTheseTextsInOrder) {
    SimulatedHostFixture host;
    GetParam().act(SystemTools::shared());
    EXPECT_EQ(host.host.events(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    EverySwitch, SwitchActions,
    ::testing::Values(
        ActionCase{"HideDesktopOn", [](SystemTools& t) { t.setDesktopIconsVisible(false); },
                   desktopVisible(false)},
        ActionCase{"HideDesktopOff", [](SystemTools& t) { t.setDesktopIconsVisible(true); },
                   desktopVisible(true)},
        ActionCase{"HideWidgetsOn", [](SystemTools& t) { t.setWidgetsHidden(true); },
                   widgetsHidden(true)},
        ActionCase{"HideWidgetsOff", [](SystemTools& t) { t.setWidgetsHidden(false); },
                   widgetsHidden(false)},
        ActionCase{"StageManagerOn", [](SystemTools& t) { t.setStageManagerEnabled(true); },
                   stageManager(true)},
        ActionCase{"StageManagerOff", [](SystemTools& t) { t.setStageManagerEnabled(false); },
                   stageManager(false)},
        ActionCase{"DockOn", [](SystemTools& t) { t.setDockAutoHide(true); }, dock(true)},
        ActionCase{"DockOff", [](SystemTools& t) { t.setDockAutoHide(false); }, dock(false)},
        ActionCase{"DarkModeOn", [](SystemTools& t) { t.setDarkMode(true); }, darkMode(true)},
        ActionCase{"DarkModeOff", [](SystemTools& t) { t.setDarkMode(false); }, darkMode(false)},
        ActionCase{"HideAllWindows", [](SystemTools& t) { t.hideAllWindows(); }, hideWindows}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SwitchActions, HideDesktopSuspendsTheMonitorBeforeItsCommands) {
    SimulatedHostFixture host;
    SystemTools::shared().setDesktopIconsVisible(false);
    EXPECT_EQ(host.timeline(), suspendMonitor + desktopVisible(false));
}

TEST(SwitchActions, OtherChangesPostNothing) {
    SimulatedHostFixture host;
    auto& tools = SystemTools::shared();
    tools.setWidgetsHidden(true);
    tools.setStageManagerEnabled(true);
    tools.setDarkMode(true);
    EXPECT_EQ(host.notificationCount("SuspendEventMonitor"), 0);
}

TEST(SwitchActions, EveryChangeWritesAndRestartsAgain) {
    SimulatedHostFixture host;
    SystemTools::shared().setWidgetsHidden(true);
    SystemTools::shared().setWidgetsHidden(true);
    EXPECT_EQ(host.restarts(), (Texts{"WindowManager", "WindowManager"}));
}

// What a reading gives for each stored value, through the simulated host's `defaults`.
struct ReadingCase {
    const char* name;
    std::optional<QVariant> stored;  // none: never written
    bool desktopVisible;
    bool stageManager;
    bool widgetsHidden;
};

class Readings : public ::testing::TestWithParam<ReadingCase> {};

TEST_P(Readings, FollowTheirOwnRules) {
    SimulatedHostFixture host;
    const auto& c = GetParam();
    SimulatedHostState state;
    if (c.stored) {
        state.setValue("com.apple.finder", "CreateDesktop", *c.stored);
        state.setValue("com.apple.WindowManager", "GloballyEnabled", *c.stored);
        state.setValue("com.apple.WindowManager", "StandardHideWidgets", *c.stored);
    }
    host.host.setState(state);
    auto& tools = SystemTools::shared();
    EXPECT_EQ(tools.isDesktopIconsVisible(), c.desktopVisible);
    EXPECT_EQ(tools.isStageManagerEnabled(), c.stageManager);
    EXPECT_EQ(tools.isWidgetsHidden(), c.widgetsHidden);
    EXPECT_EQ(host.commands(),
              (Texts{HostTexts::desktopRead, HostTexts::stageManagerRead, HostTexts::widgetsRead}));
}

INSTANTIATE_TEST_SUITE_P(
    StoredValues, Readings,
    ::testing::Values(
        // A -bool true prints "1": on everywhere.
        ReadingCase{"BoolTrue", QVariant(true), true, true, true},
        ReadingCase{"BoolFalse", QVariant(false), false, false, false},
        ReadingCase{"IntOne", QVariant(qint64(1)), true, true, true},
        ReadingCase{"IntZero", QVariant(qint64(0)), false, false, false},
        // The word "true" counts for the -bool settings only.
        ReadingCase{"StringTrue", QVariant(QString("true")), true, true, false},
        ReadingCase{"StringFalse", QVariant(QString("false")), false, false, false},
        ReadingCase{"StringTRUE", QVariant(QString("TRUE")), true, false, false},
        // Never written: the read fails; icons are then visible, the system's default.
        ReadingCase{"NeverWritten", std::nullopt, true, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Readings, DockFollowsTheScriptResult) {
    SimulatedHostFixture host;
    auto& tools = SystemTools::shared();
    EXPECT_FALSE(tools.isDockAutoHidden());
    tools.setDockAutoHide(true);
    EXPECT_TRUE(tools.isDockAutoHidden());
    EXPECT_EQ(host.scripts().back(), HostTexts::dockReadingScript);

    host.host.setAutomationPermitted(false);
    EXPECT_FALSE(tools.isDockAutoHidden());
    EXPECT_TRUE(tools.lastPermissionDenied());
    EXPECT_EQ(host.notificationCount("ShowAccessibilityPermissionAlert"), 1);
}

TEST(Readings, DockAcceptsOnlyTheWordTrue) {
    EXPECT_TRUE(HostTexts::dockAutoHideFrom(std::string("true")));
    for (const char* other : {"false", "1", "TRUE", " true", ""}) {
        EXPECT_FALSE(HostTexts::dockAutoHideFrom(std::string(other))) << other;
    }
    EXPECT_FALSE(HostTexts::dockAutoHideFrom(std::nullopt));
}

TEST(Readings, DarkModeIsTheStringDarkOnlyAndStartsNothing) {
    SimulatedHostFixture host;
    struct Case {
        std::optional<QVariant> value;
        bool dark;
    };
    const Case cases[] = {
        {std::nullopt, false},
        {QVariant(QString("Dark")), true},
        {QVariant(QString("dark")), false},
        {QVariant(QString("Light")), false},
        {QVariant(true), false},
        {QVariant(qint64(1)), false},
    };
    for (const auto& c : cases) {
        SimulatedHostState state;
        if (c.value) {
            state.setValue(SimulatedHostState::globalDomain, "AppleInterfaceStyle", *c.value);
        }
        host.host.setState(state);
        EXPECT_EQ(SystemTools::shared().isDarkModeEnabled(), c.dark)
            << (c.value ? c.value->toString().toStdString() : "absent");
    }
    EXPECT_TRUE(host.host.events().empty());
}

TEST(Readings, DarkModeFollowsTheAppearanceScript) {
    SimulatedHostFixture host;
    auto& tools = SystemTools::shared();
    tools.setDarkMode(true);
    EXPECT_TRUE(tools.isDarkModeEnabled());
    tools.setDarkMode(false);
    EXPECT_FALSE(tools.isDarkModeEnabled());
}

TEST(Readings, ChangesReadBackAsWritten) {
    SimulatedHostFixture host;
    auto& tools = SystemTools::shared();
    tools.setDesktopIconsVisible(false);
    tools.setWidgetsHidden(true);
    tools.setStageManagerEnabled(true);
    EXPECT_FALSE(tools.isDesktopIconsVisible());
    EXPECT_TRUE(tools.isWidgetsHidden());
    EXPECT_TRUE(tools.isStageManagerEnabled());
}

}  // namespace
}  // namespace swivlo
