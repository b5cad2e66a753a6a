#include "X11Stack.h"

#include <X11/Xlib.h>

namespace swivlo::testing::x11 {

unsigned long topmostWindow() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        return 0;
    }
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    unsigned long top = 0;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
        // Bottom to top.
        for (unsigned int i = count; i-- > 0 && top == 0;) {
            XWindowAttributes attributes;
            if (XGetWindowAttributes(display, children[i], &attributes) &&
                attributes.map_state == IsViewable) {
                top = children[i];
            }
        }
        XFree(children);
    }
    XCloseDisplay(display);
    return top;
}

bool sendDeleteWindow(unsigned long window) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        return false;
    }
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(display, window, False, NoEventMask, &event);
    XCloseDisplay(display);
    return sent != 0;
}

ForeignWindow::ForeignWindow(int x, int y, int width, int height, bool overrideRedirect) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        return;
    }
    display_ = display;
    XSetWindowAttributes attributes{};
    attributes.override_redirect = overrideRedirect ? True : False;
    attributes.background_pixel = WhitePixel(display, DefaultScreen(display));
    window_ = XCreateWindow(display, DefaultRootWindow(display), x, y, static_cast<unsigned>(width),
                            static_cast<unsigned>(height), 0, CopyFromParent, InputOutput,
                            CopyFromParent, CWOverrideRedirect | CWBackPixel, &attributes);
    XMapWindow(display, window_);
    XFlush(display);
}

ForeignWindow::~ForeignWindow() {
    if (display_) {
        XCloseDisplay(static_cast<Display*>(display_));  // destroys the window
    }
}

bool ForeignWindow::isViewable() const {
    XWindowAttributes attributes;
    return display_ &&
           XGetWindowAttributes(static_cast<Display*>(display_), window_, &attributes) &&
           attributes.map_state == IsViewable;
}

}  // namespace swivlo::testing::x11
