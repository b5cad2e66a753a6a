#pragma once

#include <QObject>
#include <memory>

#include "platform/Events.h"

namespace swivlo::desktop {

class X11InputObserver;

// Global monitors observe mouse-downs that go to other applications, through
// XInput2 raw events on a private X connection, without taking them. Local monitors see the
// input events of Swivlo's own windows through an application event filter.
class X11EventMonitors : public QObject, public EventMonitors {
    Q_OBJECT

public:
    X11EventMonitors();
    ~X11EventMonitors() override;

    std::optional<MonitorToken> addGlobalMonitor(EventMask mask, GlobalHandler handler) override;
    std::optional<MonitorToken> addLocalMonitor(EventMask mask, LocalHandler handler) override;
    void removeMonitor(MonitorToken token) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateWantedTypes();

    std::unique_ptr<X11InputObserver> observer_;
    bool unavailableReported_ = false;
    GlobalMonitorMap global_;
    LocalMonitorMap local_;
    MonitorToken next_ = 1;
};

}  // namespace swivlo::desktop
