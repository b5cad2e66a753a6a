// Keep Awake against the simulated host, whose caffeinate is a real child process.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <cerrno>

#include "SimulatedHostFixture.h"

namespace swivlo {
namespace {

using testing::SimulatedHostFixture;
using Texts = std::vector<std::string>;

const std::string launchEvent = "launch: /usr/bin/caffeinate -d -i -s -u";
const std::string terminateEvent = "terminate: /usr/bin/caffeinate";

// Gone and collected: neither running nor left as a zombie of this process.
bool reaped(std::int64_t pid) {
    errno = 0;
    return waitpid(static_cast<pid_t>(pid), nullptr, WNOHANG) < 0 && errno == ECHILD &&
           kill(static_cast<pid_t>(pid), 0) < 0;
}

bool running(MacHost& host) {
    return host.read({Capability::keepAwake})[Capability::keepAwake];
}

TEST(KeepAwake, OnThenOffRunsOneChildAndEndsIt) {
    SimulatedHostFixture host;
    auto& tools = host.mac;
    EXPECT_FALSE(running(tools));

    tools.set(Capability::keepAwake, true);
    ASSERT_TRUE(running(tools));
    const std::int64_t pid = tools.caffeinateProcess()->pid();
    EXPECT_EQ(kill(static_cast<pid_t>(pid), 0), 0);

    tools.set(Capability::keepAwake, false);
    EXPECT_FALSE(running(tools));
    EXPECT_EQ(tools.caffeinateProcess(), nullptr);
    EXPECT_TRUE(reaped(pid));
    EXPECT_EQ(host.host.events(), (Texts{launchEvent, terminateEvent}));
}

TEST(KeepAwake, OnWhileOnKeepsTheOneChild) {
    SimulatedHostFixture host;
    auto& tools = host.mac;
    tools.set(Capability::keepAwake, true);
    const std::int64_t pid = tools.caffeinateProcess()->pid();
    tools.set(Capability::keepAwake, true);
    EXPECT_EQ(tools.caffeinateProcess()->pid(), pid);
    EXPECT_EQ(host.host.events(), (Texts{launchEvent}));
}

TEST(KeepAwake, AChildThatEndedByItselfReadsOffAndIsReplacedByTheNextOn) {
    SimulatedHostFixture host;
    auto& tools = host.mac;
    tools.set(Capability::keepAwake, true);
    const auto pid = static_cast<pid_t>(tools.caffeinateProcess()->pid());
    kill(pid, SIGKILL);
    // The reading collects the child once it has ended; waiting on it here would take that
    // away from the handle, so ask until it reports the end.
    while (running(tools)) {
    }
    EXPECT_NE(tools.caffeinateProcess(), nullptr);  // the handle stays until the next change

    tools.set(Capability::keepAwake, true);
    EXPECT_TRUE(running(tools));
    EXPECT_NE(tools.caffeinateProcess()->pid(), pid);
    EXPECT_EQ(host.host.events(), (Texts{launchEvent, launchEvent}));
}

TEST(KeepAwake, AFailedStartLogsAndKeepsTheReading) {
    SimulatedHostFixture host;
    host.host.caffeinateAvailable = false;
    auto& tools = host.mac;
    tools.set(Capability::keepAwake, true);
    EXPECT_FALSE(running(tools));
    ASSERT_EQ(host.log.lines.size(), 1u);
    EXPECT_TRUE(host.log.lines[0].starts_with("❌ Failed to start caffeinate: "));
}

TEST(KeepAwake, QuittingEndsTheChild) {
    SimulatedHostFixture host;
    auto& tools = host.mac;
    tools.set(Capability::keepAwake, true);
    const auto pid = tools.caffeinateProcess()->pid();
    tools.release();
    EXPECT_FALSE(running(tools));
    EXPECT_TRUE(reaped(pid));
    EXPECT_EQ(host.host.events().back(), terminateEvent);
}

}  // namespace
}  // namespace swivlo
