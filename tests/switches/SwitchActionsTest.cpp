#include <gtest/gtest.h>

#include "SimulatedHostFixture.h"
#include "platform/host/HostTexts.h"

namespace swivlo {
namespace {

using testing::SimulatedHostFixture;
using Texts = std::vector<std::string>;

// The texts of each change are checked where the panel and scenes make them.
TEST(SwitchActions, EveryChangeWritesAndRestartsAgain) {
    SimulatedHostFixture host;
    host.mac.set(Capability::hideWidgets, true);
    host.mac.set(Capability::hideWidgets, true);
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

bool read(MacHost& host, Capability capability) {
    return host.read({capability})[capability];
}

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
    const SwitchStates states =
        host.mac.read({Capability::stageManager, Capability::hideWidgets, Capability::hideDesktop});
    EXPECT_EQ(states.at(Capability::hideDesktop), !c.desktopVisible);
    EXPECT_EQ(states.at(Capability::stageManager), c.stageManager);
    EXPECT_EQ(states.at(Capability::hideWidgets), c.widgetsHidden);
    EXPECT_EQ(host.commands(),
              (Texts{HostTexts::desktopRead, HostTexts::widgetsRead, HostTexts::stageManagerRead}));
}

INSTANTIATE_TEST_SUITE_P(
    StoredValues, Readings,
    ::testing::Values(
        // A -bool true prints "1": on everywhere.
        ReadingCase{"BoolTrue", QVariant(true), true, true, true},
        ReadingCase{"BoolFalse", QVariant(false), false, false, false},
        ReadingCase{"IntOne", QVariant(qint64(1)), true, true, true},
        // The word "true" counts for the -bool settings only.
        ReadingCase{"StringTrue", QVariant(QString("true")), true, true, false},
        ReadingCase{"StringTRUE", QVariant(QString("TRUE")), true, false, false},
        // Never written: the read fails; icons are then visible, the system's default.
        ReadingCase{"NeverWritten", std::nullopt, true, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Readings, DockAcceptsOnlyTheWordTrue) {
    const std::vector<std::pair<std::optional<std::string>, bool>> cases = {
        {"true", true},   {"false", false}, {"1", false},          {"TRUE", false},
        {" true", false}, {"", false},      {std::nullopt, false},
    };
    for (const auto& [result, on] : cases) {
        EXPECT_EQ(HostTexts::dockAutoHideFrom(result), on) << result.value_or("none");
    }
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
        {QVariant(qint64(1)), false},
    };
    for (const auto& c : cases) {
        SimulatedHostState state;
        if (c.value) {
            state.setValue(SimulatedHostState::globalDomain, "AppleInterfaceStyle", *c.value);
        }
        host.host.setState(state);
        EXPECT_EQ(read(host.mac, Capability::darkMode), c.dark)
            << (c.value ? c.value->toString().toStdString() : "absent");
    }
    EXPECT_TRUE(host.host.events().empty());
}

TEST(Readings, ChangesReadBackAsWritten) {
    SimulatedHostFixture host;
    const std::vector<Capability> toggles = {Capability::hideDesktop,  Capability::hideWidgets,
                                             Capability::autoHideDock, Capability::stageManager,
                                             Capability::darkMode,     Capability::keepAwake};
    for (const bool on : {true, false}) {
        for (const Capability capability : toggles) {
            host.mac.set(capability, on);
        }
        for (const auto& [capability, state] : host.mac.read(toggles)) {
            EXPECT_EQ(state, on) << static_cast<int>(capability);
        }
    }
}

}  // namespace
}  // namespace swivlo
