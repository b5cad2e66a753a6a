// A hand-edited state file of the simulated host: numbers are kept only as the integers they
// spell exactly (found by the state-file fuzz target: 1e300 was read as 0).
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/host/SimulatedHost.h"
#include "platform/host/SimulatedHostState.h"

namespace swivlo {
namespace {

TEST(SimulatedHostStateNumbers, OnlyExactIntegersInRangeAreKept) {
    const std::pair<const char*, std::optional<qint64>> cases[] = {
        {"1", 1},
        {"-3", -3},
        {"0", 0},
        {"1e3", 1000},
        {"9007199254740992", 9007199254740992},
        {"1.5", std::nullopt},
        {"1e300", std::nullopt},
        {"-1e19", std::nullopt}};
    for (const auto& [number, kept] : cases) {
        const auto state = SimulatedHostState::fromJson(
            QByteArray(R"({"defaults": {"com.apple.finder": {"CreateDesktop": )") + number + "}}}");
        ASSERT_TRUE(state) << number;
        const auto value = state->value("com.apple.finder", "CreateDesktop");
        // One that is not kept is skipped, not read as another number.
        EXPECT_EQ(value ? std::optional(value->toLongLong()) : std::nullopt, kept) << number;
    }
}

TEST(SimulatedHostStateNumbers, RestartCountsOutsideAnIntAreSkipped) {
    const auto state = SimulatedHostState::fromJson(
        R"({"restarts": {"Finder": 3000000000, "Dock": 2.5, "WindowManager": 4}})");
    ASSERT_TRUE(state);
    EXPECT_EQ(state->restarts, (std::map<std::string, int>{{"WindowManager", 4}}));
}

// A restart adds one to a hand-edited count, and a count at the top of its range stays there
// instead of wrapping round to a negative one.
TEST(SimulatedHostStateNumbers, RestartsCountOnFromAHandEditedCountWithoutWrapping) {
    const struct {
        const char* process;
        int before;
        int after;
    } cases[] = {{"Finder", 2147483647, 2147483647}, {"Dock", -5, -4}, {"WindowManager", 41, 42}};
    QTemporaryDir dir;
    const QString path = dir.filePath("simulated-host.json");
    SimulatedHostState edited;
    for (const auto& c : cases) {
        edited.restarts[c.process] = c.before;
    }
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(edited.toJson());
    }
    SimulatedHost host(path);
    for (const auto& c : cases) {
        host.run({"/bin/zsh", {"-c", std::string("killall ") + c.process}, std::nullopt});
    }
    for (const auto& c : cases) {
        EXPECT_EQ(host.state().restarts.at(c.process), c.after) << c.process;
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(SimulatedHostState::fromJson(file.readAll()) == host.state()) << "saved as counted";
}

}  // namespace
}  // namespace swivlo
