#include <gtest/gtest.h>

#include "SimulatedHostFixture.h"
#include "platform/host/HostTexts.h"

namespace swivlo {
namespace {

using testing::SimulatedHostFixture;

TEST(ScriptRunner, ARefusedScriptLogsThreeLinesSetsTheFlagAndPostsOnce) {
    SimulatedHostFixture host;
    host.host.setAutomationPermitted(false);
    auto& tools = host.mac;
    bool flagSeenByObserver = false;
    const auto token = NotificationCenter::defaultCenter().addObserver(
        "ShowAccessibilityPermissionAlert",
        [&] { flagSeenByObserver = host.mac.lastPermissionDenied(); });

    EXPECT_EQ(tools.runAppleScript(HostTexts::dockScript(true)), std::nullopt);
    NotificationCenter::defaultCenter().removeObserver(token);

    ASSERT_EQ(host.log.lines.size(), 3u);
    EXPECT_TRUE(host.log.lines[0].starts_with("❌ AppleScript error: {\n"));
    EXPECT_TRUE(tools.lastPermissionDenied());
    EXPECT_TRUE(flagSeenByObserver);  // posted synchronously, after the flag was set
    EXPECT_EQ(host.notificationCount("ShowAccessibilityPermissionAlert"), 1);

    // Every refused run posts again; the next successful one clears the flag.
    tools.runAppleScript(HostTexts::hideWindowsScript);
    EXPECT_EQ(host.notificationCount("ShowAccessibilityPermissionAlert"), 2);
    host.host.setAutomationPermitted(true);
    EXPECT_TRUE(tools.runAppleScript(HostTexts::hideWindowsScript).has_value());
    EXPECT_FALSE(tools.lastPermissionDenied());
}

// A runner that answers with a prepared outcome, for error dictionaries no host gives easily;
// installed in place of the fixture's host for its lifetime.
class CannedScripts : public ScriptRunner {
public:
    explicit CannedScripts(ScriptOutcome::Kind kind) : previous_(&Service<ScriptRunner>::get()) {
        outcome.kind = kind;
        Service<ScriptRunner>::install(this);
    }
    ~CannedScripts() override { Service<ScriptRunner>::install(previous_); }
    CannedScripts(const CannedScripts&) = delete;
    CannedScripts& operator=(const CannedScripts&) = delete;

    ScriptOutcome execute(const std::string&) override { return outcome; }
    ScriptOutcome outcome;

private:
    ScriptRunner* previous_;
};

TEST(ScriptRunner, OnlyTheIntegerMinus1743CountsAsRefused) {
    struct Case {
        const char* name;
        std::optional<ScriptErrorValue> number;
        bool refused;
    };
    const Case cases[] = {
        {"integer -1743", ScriptErrorValue{std::int64_t{-1743}}, true},
        {"text -1743", ScriptErrorValue{std::string("-1743")}, false},
        {"other number", ScriptErrorValue{std::int64_t{-1728}}, false},
        {"no number", std::nullopt, false},
    };
    for (const auto& c : cases) {
        SimulatedHostFixture host;
        CannedScripts scripts(ScriptOutcome::Kind::Failed);
        if (c.number) {
            scripts.outcome.error[scriptErrorNumberKey] = *c.number;
        }
        EXPECT_EQ(host.mac.runAppleScript("x"), std::nullopt) << c.name;
        EXPECT_EQ(host.mac.lastPermissionDenied(), c.refused) << c.name;
        EXPECT_EQ(host.notificationCount("ShowAccessibilityPermissionAlert"), c.refused ? 1 : 0)
            << c.name;
        EXPECT_EQ(host.log.lines.size(), c.refused ? 3u : 2u) << c.name;
    }
}

}  // namespace
}  // namespace swivlo
