#pragma once

#include <string>
#include <vector>

#include "fakes/RecordingLog.h"
#include "platform/NotificationCenter.h"
#include "platform/host/MacHost.h"
#include "platform/host/SimulatedHost.h"

namespace swivlo::testing {

// A fresh in-memory simulated macOS host for one test. While it lives, the installed SystemHost
// is `mac`, a MacHost that runs every command, script and keep-awake child on `host` (a child a
// test left running ends with the fixture); log lines go to `log.lines`; `timeline()` lists in
// order what reached the host and the in-app notifications posted ("shell: TEXT", "script: TEXT",
// "restart: Finder", "notification: SuspendEventMonitor", ...). Prepare the host with
// `host.setState(...)`, `host.setAutomationPermitted` (false: every script fails with -1743) and
// `host.caffeinateAvailable`. One per test; it coexists with TestPlatform.
class SimulatedHostFixture {
public:
    SimulatedHostFixture();
    ~SimulatedHostFixture();
    SimulatedHostFixture(const SimulatedHostFixture&) = delete;
    SimulatedHostFixture& operator=(const SimulatedHostFixture&) = delete;

    SimulatedHost host;
    RecordingLog log;
    MacHost mac;

    std::vector<std::string> timeline() const;
    // Only the shell command texts, in order.
    std::vector<std::string> commands() const { return withPrefix("shell: "); }
    // Only the script texts, in order.
    std::vector<std::string> scripts() const { return withPrefix("script: "); }
    // Only the names of restarted host processes, in order.
    std::vector<std::string> restarts() const { return withPrefix("restart: "); }
    int notificationCount(const std::string& name) const;
    // Forgets what happened so far (the host's state stays).
    void clearHistory();

private:
    std::vector<std::string> withPrefix(const std::string& prefix) const;
    void record(const std::string& line);

    std::vector<std::string> timeline_;
    std::vector<NotificationCenter::Token> observers_;
    std::size_t hostEventsSeen_ = 0;
};

}  // namespace swivlo::testing
