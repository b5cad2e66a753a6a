#include "platform/desktop/X11WindowStacking.h"

#include "platform/desktop/X11Connection.h"

#include <QAbstractEventDispatcher>
#include <QSocketNotifier>
#include <QTimer>

// X11 headers last: they define macros (None, Bool, KeyPress...) that clash with Qt names.
#include <X11/Xlib.h>

namespace swivlo::desktop {

namespace {

Display* dpy(void* display) {
    return static_cast<Display*>(display);
}

int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

// Windows come and go while we look at them: a request about one that is already gone fails,
// and must not end the process.
class IgnoredErrors {
public:
    explicit IgnoredErrors(Display* display) : display_(display) {
        XSync(display_, False);
        previous_ = XSetErrorHandler(ignoreErrors);
    }
    ~IgnoredErrors() {
        XSync(display_, False);
        XSetErrorHandler(previous_);
    }
    IgnoredErrors(const IgnoredErrors&) = delete;
    IgnoredErrors& operator=(const IgnoredErrors&) = delete;

private:
    Display* display_;
    XErrorHandler previous_ = nullptr;
};

}  // namespace

X11WindowStacking::X11WindowStacking() {
    // Xlib may read events into its queue while answering a request: drain before the event
    // loop sleeps so none waits for the next wake-up.
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) {
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                &X11WindowStacking::drain);
    }
}

X11WindowStacking::~X11WindowStacking() {
    close();
}

void X11WindowStacking::keepOnTop(NativeWindow window, std::function<void()> onLost) {
    close();
    if (window == 0) {
        return;
    }
    Display* display = openPrivateConnection();
    if (!display) {
        return;
    }
    display_ = display;
    kept_ = window;
    onLost_ = std::move(onLost);
    // Maps, restacks and unmaps of every top-level window, ours included.
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    notifier_ = std::make_unique<QSocketNotifier>(ConnectionNumber(display), QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &X11WindowStacking::drain);
    raiseIfCovered();
}

void X11WindowStacking::stopKeepingOnTop(NativeWindow window) {
    if (window == kept_) {
        close();
    }
}

void X11WindowStacking::close() {
    notifier_.reset();
    if (display_) {
        XCloseDisplay(dpy(display_));
    }
    display_ = nullptr;
    kept_ = 0;
    onLost_ = nullptr;
}

void X11WindowStacking::drain() {
    bool restacked = false;
    bool lost = false;
    while (display_ && XPending(dpy(display_)) > 0) {
        XEvent event;
        XNextEvent(dpy(display_), &event);
        switch (event.type) {
            case UnmapNotify:
                lost = lost || event.xunmap.window == kept_;
                break;
            case DestroyNotify:
                lost = lost || event.xdestroywindow.window == kept_;
                break;
            case MapNotify:
            case ConfigureNotify:
            case CirculateNotify:
                restacked = true;
                break;
            default:
                break;
        }
    }
    if (lost) {
        // Someone else took the window away: the owner decides what follows, outside this call.
        auto onLost = std::move(onLost_);
        close();
        QTimer::singleShot(0, this, [onLost = std::move(onLost)] {
            if (onLost) {
                onLost();
            }
        });
        return;
    }
    if (restacked) {
        raiseIfCovered();
    }
}

void X11WindowStacking::raiseIfCovered() {
    Display* display = dpy(display_);
    const Window kept = static_cast<Window>(kept_);
    const IgnoredErrors ignored(display);
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
        return;
    }
    // Children come bottom to top: anything shown after ours lies above it.
    bool covered = false;
    for (unsigned int i = count; i-- > 0 && children[i] != kept;) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, children[i], &attributes) &&
            attributes.map_state == IsViewable) {
            covered = true;
            break;
        }
    }
    if (children) {
        XFree(children);
    }
    if (covered) {
        XRaiseWindow(display, kept);
    }
}

}  // namespace swivlo::desktop
