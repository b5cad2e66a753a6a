#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>
#include <string>

#include "platform/Events.h"

namespace swivlo::desktop {

// Reads XInput2 raw button presses from the whole X server on a connection of its own, tracking
// the modifier state from XKB state events, and reports those that are not aimed at one of
// Swivlo's windows as host events. (The global shortcut is taken, not observed: GlobalHotkey.)
class X11InputObserver : public QObject {
    Q_OBJECT

public:
    using Sink = std::function<void(const Event&)>;

    // Nothing (and `whyNot` says why) when global observation is impossible here.
    static std::unique_ptr<X11InputObserver> open(Sink sink, std::string& whyNot);
    ~X11InputObserver() override;

    // The event types anyone listens for; others are dropped before asking the X server
    // whose window they were aimed at.
    void setWantedTypes(EventMask types) { wanted_ = types; }

private:
    X11InputObserver(void* display, int xiOpcode, Sink sink);
    void drain();
    void handleRawButton(unsigned button);
    bool pointerIsOverOurs() const;

    void* display_;  // Display*, kept opaque so X11 headers stay in the .cpp
    int xiOpcode_;
    int xkbEventBase_ = 0;
    unsigned modifierState_ = 0;
    EventMask wanted_ = 0;
    Sink sink_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace swivlo::desktop
