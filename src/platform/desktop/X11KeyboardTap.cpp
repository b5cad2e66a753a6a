#include "platform/desktop/X11KeyboardTap.h"

#include <QAbstractEventDispatcher>
#include <QSocketNotifier>

#include "platform/desktop/X11Connection.h"

// X11 headers last: they define macros (None, Bool, KeyPress...) that clash with Qt names.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace swivlo::desktop {

namespace {

Display* dpy(void* display) {
    return static_cast<Display*>(display);
}

// Sources are numbered apart from ports so a mix-up cannot silently work.
constexpr std::uint64_t sourceBit = std::uint64_t{1} << 63;

}  // namespace

X11KeyboardTap::X11KeyboardTap() {
    // Xlib may read events into its queue while answering a request: drain before the event
    // loop sleeps so none waits for the next wake-up.
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) {
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                &X11KeyboardTap::drainAttached);
    }
}

X11KeyboardTap::~X11KeyboardTap() {
    while (!taps_.empty()) {
        invalidate(taps_.begin()->first);
    }
}

std::optional<TapPort> X11KeyboardTap::createTap(EventMask mask, TapCallback callback) {
    // A connection of our own: Qt's connection keeps its focus and never sees the grab.
    Display* display = openPrivateConnection();
    if (!display) {
        return std::nullopt;
    }
    auto tap = std::make_unique<Tap>();
    tap->display = display;
    tap->mask = mask;
    tap->callback = std::move(callback);
    // The end of the grab shows up on the root window as a focus change in "ungrab" mode.
    XSelectInput(display, DefaultRootWindow(display), FocusChangeMask);
    if (!grab(*tap)) {
        XCloseDisplay(display);
        return std::nullopt;
    }
    const TapPort port = next_++;
    taps_[port] = std::move(tap);
    return port;
}

std::optional<TapSource> X11KeyboardTap::createRunLoopSource(TapPort port) {
    const auto found = taps_.find(port);
    if (found == taps_.end()) {
        return std::nullopt;
    }
    Tap& tap = *found->second;
    if (!tap.notifier) {
        tap.notifier = std::make_unique<QSocketNotifier>(ConnectionNumber(dpy(tap.display)),
                                                         QSocketNotifier::Read);
        tap.notifier->setEnabled(false);
        connect(tap.notifier.get(), &QSocketNotifier::activated, this,
                [this, port] { drain(port); });
    }
    return port | sourceBit;
}

X11KeyboardTap::Taps::iterator X11KeyboardTap::findSource(TapSource source) {
    if (!(source & sourceBit)) {
        return taps_.end();
    }
    const auto found = taps_.find(source & ~sourceBit);
    if (found == taps_.end() || !found->second->notifier) {
        return taps_.end();
    }
    return found;
}

void X11KeyboardTap::addSourceToMainLoop(TapSource source) {
    const auto found = findSource(source);
    if (found != taps_.end()) {
        found->second->attached = true;
        found->second->notifier->setEnabled(true);
    }
}

void X11KeyboardTap::removeSourceFromMainLoop(TapSource source) {
    const auto found = findSource(source);
    if (found != taps_.end()) {
        found->second->attached = false;
        found->second->notifier->setEnabled(false);
    }
}

void X11KeyboardTap::enableTap(TapPort port, bool enable) {
    const auto found = taps_.find(port);
    if (found == taps_.end()) {
        return;
    }
    if (enable) {
        // Taking the grab again while holding it is harmless, and it is how a lost grab returns.
        grab(*found->second);
    } else {
        ungrab(*found->second);
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

void X11KeyboardTap::drainAttached() {
    // Collected first: a callback may invalidate taps.
    std::vector<TapPort> ports;
    for (const auto& [port, tap] : taps_) {
        if (tap->attached) {
            ports.push_back(port);
        }
    }
    for (const TapPort port : ports) {
        drain(port);
    }
}

void X11KeyboardTap::drain(TapPort port) {
    for (;;) {
        const auto found = taps_.find(port);
        if (found == taps_.end() || !found->second->attached) {
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
            if (!tapMaskContains(tap.mask, type)) {
                continue;
            }
        } else if (event.type == FocusOut && event.xfocus.mode == NotifyUngrab && tap.grabbed) {
            // Someone else ended our grab (a server grab-break action, for one).
            tap.grabbed = false;
            type = TapEventType::TapDisabledByUserInput;
        } else {
            continue;
        }
        // The grab already kept the key from everyone else: dropping needs nothing more here.
        if (tap.callback) {
            const TapCallback callback = tap.callback;
            callback(type);
        }
    }
}

}  // namespace swivlo::desktop
