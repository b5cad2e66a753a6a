#include "platform/desktop/X11InputObserver.h"

#include <QAbstractEventDispatcher>
#include <QGuiApplication>
#include <QWindow>
#include <set>

#include "platform/KeyTranslation.h"
#include "platform/desktop/X11Connection.h"

// X11 headers last: they define macros (None, Bool, KeyPress...) that clash with Qt names.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

namespace swivlo::desktop {

namespace {

Display* dpy(void* display) {
    return static_cast<Display*>(display);
}

std::set<unsigned long> ourWindowIds() {
    std::set<unsigned long> ids;
    for (QWindow* window : QGuiApplication::allWindows()) {
        if (window->handle()) {
            ids.insert(window->winId());
        }
    }
    return ids;
}

}  // namespace

std::unique_ptr<X11InputObserver> X11InputObserver::open(Sink sink, std::string& whyNot) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        whyNot = "the session is not an X11 session (" +
                 QGuiApplication::platformName().toStdString() + ")";
        return nullptr;
    }
    Display* display = openPrivateConnection();
    if (!display) {
        whyNot = "no X server could be reached";
        return nullptr;
    }
    int opcode = 0;
    int event = 0;
    int error = 0;
    int major = 2;
    int minor = 0;
    if (!XQueryExtension(display, "XInputExtension", &opcode, &event, &error) ||
        XIQueryVersion(display, &major, &minor) != Success) {
        XCloseDisplay(display);
        whyNot = "the X server lacks XInput 2";
        return nullptr;
    }
    int xkbOpcode = 0;
    int xkbEvent = 0;
    int xkbError = 0;
    int xkbMajor = XkbMajorVersion;
    int xkbMinor = XkbMinorVersion;
    if (!XkbQueryExtension(display, &xkbOpcode, &xkbEvent, &xkbError, &xkbMajor, &xkbMinor)) {
        XCloseDisplay(display);
        whyNot = "the X server lacks XKB";
        return nullptr;
    }

    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(bits, XI_RawButtonPress);
    XIEventMask mask;
    mask.deviceid = XIAllMasterDevices;
    mask.mask_len = sizeof(bits);
    mask.mask = bits;
    XISelectEvents(display, DefaultRootWindow(display), &mask, 1);
    XkbSelectEventDetails(
        display, XkbUseCoreKbd, XkbStateNotify, XkbAllStateComponentsMask,
        XkbModifierStateMask | XkbModifierLockMask | XkbModifierBaseMask | XkbModifierLatchMask);
    XFlush(display);

    auto observer =
        std::unique_ptr<X11InputObserver>(new X11InputObserver(display, opcode, std::move(sink)));
    observer->xkbEventBase_ = xkbEvent;
    XkbStateRec state;
    if (XkbGetState(display, XkbUseCoreKbd, &state) == Success) {
        observer->modifierState_ = state.mods;
    }
    return observer;
}

X11InputObserver::X11InputObserver(void* display, int xiOpcode, Sink sink)
    : display_(display), xiOpcode_(xiOpcode), sink_(std::move(sink)) {
    notifier_ =
        std::make_unique<QSocketNotifier>(ConnectionNumber(dpy(display_)), QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &X11InputObserver::drain);
    // Xlib may have read events into its queue while answering a request: drain before the
    // event loop sleeps so none waits for the next wake-up.
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &X11InputObserver::drain);
}

X11InputObserver::~X11InputObserver() {
    notifier_.reset();
    XCloseDisplay(dpy(display_));
}

void X11InputObserver::drain() {
    Display* display = dpy(display_);
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == xkbEventBase_) {
            const auto* xkb = reinterpret_cast<XkbEvent*>(&event);
            if (xkb->any.xkb_type == XkbStateNotify) {
                modifierState_ = xkb->state.mods;
            }
            continue;
        }
        XGenericEventCookie* cookie = &event.xcookie;
        if (cookie->type != GenericEvent || cookie->extension != xiOpcode_ ||
            !XGetEventData(display, cookie)) {
            continue;
        }
        const auto* raw = static_cast<XIRawEvent*>(cookie->data);
        const int type = cookie->evtype;
        const auto detail = static_cast<unsigned>(raw->detail);
        XFreeEventData(display, cookie);
        if (type == XI_RawButtonPress) {
            handleRawButton(detail);
        }
    }
}

void X11InputObserver::handleRawButton(unsigned button) {
    Event event;
    switch (button) {
        case 1:
            event.type = EventType::LeftMouseDown;
            break;
        case 3:
            event.type = EventType::RightMouseDown;
            break;
        case 4:
        case 5:
        case 6:
        case 7:
            event.type = EventType::ScrollWheel;
            break;
        default:
            event.type = EventType::OtherMouseDown;
            break;
    }
    if (!(wanted_ & eventMask(event.type)) || pointerIsOverOurs()) {
        return;
    }
    event.modifierFlags = keys::modifierFlagsFromX11(modifierState_);
    sink_(event);
}

bool X11InputObserver::pointerIsOverOurs() const {
    // Walk from the root down the windows under the pointer: ours may be nested in a window
    // manager frame or, for the tray icon, in the tray host.
    Display* display = dpy(display_);
    const auto ours = ourWindowIds();
    Window current = DefaultRootWindow(display);
    for (int depth = 0; depth < 32 && current; ++depth) {
        if (ours.count(current)) {
            return true;
        }
        Window root = 0;
        Window child = 0;
        int rootX = 0;
        int rootY = 0;
        int winX = 0;
        int winY = 0;
        unsigned mask = 0;
        if (!XQueryPointer(display, current, &root, &child, &rootX, &rootY, &winX, &winY, &mask)) {
            return false;
        }
        current = child;
    }
    return false;
}

}  // namespace swivlo::desktop
