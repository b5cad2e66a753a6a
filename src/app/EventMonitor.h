#pragma once

#include <optional>

#include "platform/Events.h"

namespace swivlo {

// Owns at most one installed global monitor.
class EventMonitor {
public:
    EventMonitor(EventMask mask, EventMonitors::GlobalHandler handler);
    ~EventMonitor();
    EventMonitor(const EventMonitor&) = delete;
    EventMonitor& operator=(const EventMonitor&) = delete;

    // Starting again removes the earlier monitor first, so there is never more than one.
    void start();
    void stop();
    bool isStarted() const { return monitor_.has_value(); }

private:
    std::optional<MonitorToken> monitor_;
    EventMask mask_;
    EventMonitors::GlobalHandler handler_;
};

}  // namespace swivlo
