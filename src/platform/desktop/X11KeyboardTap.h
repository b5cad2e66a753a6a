#pragma once

#include <QObject>
#include <map>
#include <memory>

#include "platform/KeyboardTap.h"

class QSocketNotifier;

namespace swivlo::desktop {

// A keyboard tap made of an active keyboard grab on the root window, held on a private X
// connection: while it lasts every key goes to that connection and no other client sees it. The
// grab belongs to this process's connection, so the X server ends it if the process dies.
// Refused when another client holds the keyboard, without an X server, or outside X11.
class X11KeyboardTap : public QObject, public KeyboardTap {
    Q_OBJECT

public:
    X11KeyboardTap();
    ~X11KeyboardTap() override;

    std::optional<TapPort> createTap(TapCallback callback) override;
    void reenableTap(TapPort port) override;
    void invalidate(TapPort port) override;

private:
    struct Tap {
        void* display = nullptr;  // Display*, kept opaque so X11 headers stay in the .cpp
        TapCallback callback;
        bool grabbed = false;
        std::unique_ptr<QSocketNotifier> notifier;
    };
    using Taps = std::map<TapPort, std::unique_ptr<Tap>>;

    void drain(TapPort port);
    void drainAll();
    bool grab(Tap& tap);
    void ungrab(Tap& tap);

    Taps taps_;
    std::uint64_t next_ = 1;
};

}  // namespace swivlo::desktop
