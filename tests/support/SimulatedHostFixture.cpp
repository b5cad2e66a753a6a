#include "SimulatedHostFixture.h"

#include <algorithm>

#include "core/Notifications.h"

namespace swivlo::testing {

SimulatedHostFixture::SimulatedHostFixture() {
    Service<ProcessRunner>::install(&host);
    Service<ScriptRunner>::install(&host);
    Service<GlobalDomain>::install(&host);
    Service<SystemHost>::install(&mac);
    for (const std::string& name :
         {Notification::suspendEventMonitor, Notification::requestClosePopover,
          Notification::showAccessibilityPermissionAlert}) {
        observers_.push_back(NotificationCenter::defaultCenter().addObserver(
            name, [this, name] { record("notification: " + name); }));
    }
}

SimulatedHostFixture::~SimulatedHostFixture() {
    for (auto token : observers_) {
        NotificationCenter::defaultCenter().removeObserver(token);
    }
    // A keep-awake child a test left running ends with it.
    mac.release();
    Service<SystemHost>::install(nullptr);
    Service<ProcessRunner>::install(nullptr);
    Service<ScriptRunner>::install(nullptr);
    Service<GlobalDomain>::install(nullptr);
}

void SimulatedHostFixture::record(const std::string& line) {
    // Host events are merged in as they happened: everything the host saw since the last
    // notification came before it.
    const auto& events = host.events();
    for (; hostEventsSeen_ < events.size(); ++hostEventsSeen_) {
        timeline_.push_back(events[hostEventsSeen_]);
    }
    timeline_.push_back(line);
}

std::vector<std::string> SimulatedHostFixture::timeline() const {
    std::vector<std::string> all = timeline_;
    const auto& events = host.events();
    all.insert(all.end(), events.begin() + static_cast<std::ptrdiff_t>(hostEventsSeen_),
               events.end());
    return all;
}

std::vector<std::string> SimulatedHostFixture::withPrefix(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const auto& event : host.events()) {
        if (event.starts_with(prefix)) {
            out.push_back(event.substr(prefix.size()));
        }
    }
    return out;
}

int SimulatedHostFixture::notificationCount(const std::string& name) const {
    const auto all = timeline();
    return static_cast<int>(std::count(all.begin(), all.end(), "notification: " + name));
}

void SimulatedHostFixture::clearHistory() {
    timeline_.clear();
    host.clearEvents();
    hostEventsSeen_ = 0;
}

}  // namespace swivlo::testing
