#include "app/EventMonitor.h"

namespace swivlo {

EventMonitor::EventMonitor(EventMask mask, EventMonitors::GlobalHandler handler)
    : mask_(mask), handler_(std::move(handler)) {}

EventMonitor::~EventMonitor() {
    stop();
}

void EventMonitor::start() {
    stop();
    monitor_ = eventMonitors().addGlobalMonitor(mask_, handler_);
}

void EventMonitor::stop() {
    if (monitor_) {
        eventMonitors().removeMonitor(*monitor_);
        monitor_.reset();
    }
}

}  // namespace swivlo
