#include "platform/desktop/X11KeyboardTap.h"

#include <QAbstractEventDispatcher>
#include <QSocketNotifier>
#include <vector>

#include "platform/desktop/X11Connection.h"

// X11 headers last: they define macros (None, Bool, KeyPress...) that clash with Qt names.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace swivlo::desktop {

namespace {

Display* dpy(void* display) {
    return static_cast<Display*>(display);
}

}  // namespace

X11KeyboardTap::X11KeyboardTap() {
    // Xlib may read events into its queue while answering a request: drain before the event
    // loop sleeps so none waits for the next wake-up.
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) {
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                &X11KeyboardTap::drainAll);
    }
}

X11KeyboardTap::~X11KeyboardTap() {
    while (!taps_.empty()) {
        invalidate(taps_.begin()->first);
    }
}

std::optional<TapPort> X11KeyboardTap::createTap(TapCallback callback) {
    // A connection of our own: Qt's connection keeps its focus and never sees the grab.
    Display* display = openPrivateConnection();
    if (!display) {
        return std::nullopt;
    }
    auto tap = std::make_unique<Tap>();
    tap->display = display;
    tap->callback = std::move(callback);
    // The end of the grab shows up on the root window as a focus change in "ungrab" mode.
    XSelectInput(display, DefaultRootWindow(display), FocusChangeMask);
    if (!grab(*tap)) {
        XCloseDisplay(display);
        return std::nullopt;
    }
    const TapPort port = next_++;
    tap->notifier =
        std::make_unique<QSocketNotifier>(ConnectionNumber(display), QSocketNotifier::Read);
    connect(tap->notifier.get(), &QSocketNotifier::activated, this, [this, port] { drain(port); });
    taps_[port] = std::move(tap);
    return port;
}

void X11KeyboardTap::reenableTap(TapPort port) {
    // Taking the grab again while holding it is harmless, and it is how a lost grab returns.
    if (const auto found = taps_.find(port); found != taps_.end()) {
        grab(*found->second);
    }
}

void X11KeyboardTap::invalidate(TapPort port) {
    const auto found = taps_.find(port);
    if (found == taps_.end()) {
        return;
    }
    std::unique_ptr<Tap> tap = std::move(found->second);
    taps_.erase(found);
    tap->notifier.reset();
    ungrab(*tap);
    XCloseDisplay(dpy(tap->display));
}

bool X11KeyboardTap::grab(Tap& tap) {
    Display* display = dpy(tap.display);
    const int status = XGrabKeyboard(display, DefaultRootWindow(display), False, GrabModeAsync,
                                     GrabModeAsync, CurrentTime);
    XFlush(display);
    tap.grabbed = status == GrabSuccess;
    return tap.grabbed;
}

void X11KeyboardTap::ungrab(Tap& tap) {
    if (!tap.grabbed) {
        return;
    }
    // Cleared first, so the "ungrab" focus change this causes is not taken for a lost grab.
    tap.grabbed = false;
    Display* display = dpy(tap.display);
    XUngrabKeyboard(display, CurrentTime);
    XFlush(display);
}

void X11KeyboardTap::drainAll() {
    // Collected first: a callback may invalidate taps.
    std::vector<TapPort> ports;
    for (const auto& entry : taps_) {
        ports.push_back(entry.first);
    }
    for (const TapPort port : ports) {
        drain(port);
    }
}

void X11KeyboardTap::drain(TapPort port) {
    for (;;) {
        const auto found = taps_.find(port);
        if (found == taps_.end()) {
            return;
        }
        Tap& tap = *found->second;
        Display* display = dpy(tap.display);
        if (XPending(display) <= 0) {
            return;
        }
        XEvent event;
        XNextEvent(display, &event);

        TapEventType type;
        if (event.type == KeyPress || event.type == KeyRelease) {
            const KeySym sym = XLookupKeysym(&event.xkey, 0);
            type = IsModifierKey(sym)       ? TapEventType::FlagsChanged
                   : event.type == KeyPress ? TapEventType::KeyDown
                                            : TapEventType::KeyUp;
        } else if (event.type == FocusOut && event.xfocus.mode == NotifyUngrab && tap.grabbed) {
            // Someone else ended our grab (a server grab-break action, for one).
            tap.grabbed = false;
            type = TapEventType::TapDisabledByUserInput;
        } else {
            continue;
        }
        // The grab already kept the key from everyone else.
        if (tap.callback) {
            const TapCallback callback = tap.callback;
            callback(type);
        }
    }
}

}  // namespace swivlo::desktop
