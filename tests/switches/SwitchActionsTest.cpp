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
    bool darkMode;
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
        state.setValue(SimulatedHostState::globalDomain, "AppleInterfaceStyle", *c.stored);
    }
    host.host.setState(state);
    const SwitchStates states = host.mac.read({Capability::stageManager, Capability::hideWidgets,
                                               Capability::hideDesktop, Capability::darkMode});
    EXPECT_EQ(states.at(Capability::hideDesktop), !c.desktopVisible);
    EXPECT_EQ(states.at(Capability::stageManager), c.stageManager);
    EXPECT_EQ(states.at(Capability::hideWidgets), c.widgetsHidden);
    EXPECT_EQ(states.at(Capability::darkMode), c.darkMode);
    // Dark Mode is read from the global domain, starting nothing.
    EXPECT_EQ(host.host.events(),
              (Texts{"shell: " + HostTexts::desktopRead, "shell: " + HostTexts::widgetsRead,
                     "shell: " + HostTexts::stageManagerRead}));
}

INSTANTIATE_TEST_SUITE_P(
    StoredValues, Readings,
    ::testing::Values(
        // A -bool true prints "1": on everywhere.
        ReadingCase{"BoolTrue", QVariant(true), true, true, true, false},
        ReadingCase{"BoolFalse", QVariant(false), false, false, false, false},
        ReadingCase{"IntOne", QVariant(qint64(1)), true, true, true, false},
        // The word "true" counts for the -bool settings only.
        ReadingCase{"StringTrue", QVariant(QString("true")), true, true, false, false},
        ReadingCase{"StringTRUE", QVariant(QString("TRUE")), true, false, false, false},
        // Dark Mode is the exact string "Dark".
        ReadingCase{"StringDark", QVariant(QString("Dark")), true, false, false, true},
        ReadingCase{"StringLowerDark", QVariant(QString("dark")), true, false, false, false},
        // Never written: the read fails; icons are then visible, the system's default.
        ReadingCase{"NeverWritten", std::nullopt, true, false, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

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
