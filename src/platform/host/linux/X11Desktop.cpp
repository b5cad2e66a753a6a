#include "platform/host/linux/X11Desktop.h"

#include "platform/desktop/X11Connection.h"

#include <vector>

// X11 headers last: their macros clash with Qt names.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>

namespace swivlo::linuxhost {

namespace {

// The root window's list of atoms or window ids under `property`.
std::vector<unsigned long> rootList(Display* display, const char* property, Atom type) {
    std::vector<unsigned long> values;
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, DefaultRootWindow(display),
                           XInternAtom(display, property, False), 0, 4096, False, type, &actualType,
                           &format, &count, &remaining, &data) == Success &&
        data && format == 32 && actualType == type) {
        const auto* items = reinterpret_cast<const unsigned long*>(data);
        values.assign(items, items + count);
    }
    if (data) {
        XFree(data);
    }
    return values;
}

}  // namespace

X11Desktop::X11Desktop() : display_(desktop::openPrivateConnection()) {}

X11Desktop::~X11Desktop() {
    if (display_) {
        XCloseDisplay(display_);
    }
}

bool X11Desktop::hasEwmhWindowManager() const {
    if (!display_) {
        return false;
    }
    const auto check = rootList(display_, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW);
    return !check.empty() && check.front() != 0;
}

bool X11Desktop::supportsShowingDesktop() const {
    if (!display_ || !hasEwmhWindowManager()) {
        return false;
    }
    const Atom showing = XInternAtom(display_, "_NET_SHOWING_DESKTOP", False);
    for (const unsigned long atom : rootList(display_, "_NET_SUPPORTED", XA_ATOM)) {
        if (atom == showing) {
            return true;
        }
    }
    return false;
}

void X11Desktop::showDesktop() {
    if (!display_) {
        return;
    }
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = DefaultRootWindow(display_);
    event.xclient.message_type = XInternAtom(display_, "_NET_SHOWING_DESKTOP", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = 1;
    XSendEvent(display_, DefaultRootWindow(display_), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XFlush(display_);
}

bool X11Desktop::hasScreenSaverExtension() const {
    int eventBase = 0;
    int errorBase = 0;
    return display_ && XScreenSaverQueryExtension(display_, &eventBase, &errorBase);
}

void X11Desktop::suspendScreenSaver(bool suspend) {
    if (display_) {
        XScreenSaverSuspend(display_, suspend ? True : False);
        XFlush(display_);
    }
}

}  // namespace swivlo::linuxhost
