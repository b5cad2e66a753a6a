#include "platform/hotkey/X11KeyGrab.h"

#include <QAbstractEventDispatcher>

#include "core/Localized.h"
#include "platform/KeyTranslation.h"
#include "platform/desktop/X11Connection.h"

// X11 headers last: they define macros (None, Bool, KeyPress...) that clash with Qt names.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>

namespace swivlo {

namespace {

Display* dpy(void* display) {
    return static_cast<Display*>(display);
}

// Num Lock is Mod2 on every layout X servers ship.
constexpr unsigned numLockMask = Mod2Mask;
constexpr unsigned lockVariants[] = {0, LockMask, numLockMask, LockMask | numLockMask};

// Set while a grab is being checked: Xlib reports errors through one process-wide handler.
bool grabRefused = false;

int noteRefusal(Display*, XErrorEvent* error) {
    if (error->error_code == BadAccess) {
        grabRefused = true;
    }
    return 0;
}

}  // namespace

std::unique_ptr<X11KeyGrab> X11KeyGrab::open() {
    Display* display = desktop::openPrivateConnection();
    if (!display) {
        return nullptr;
    }
    // Auto-repeat then sends no release between presses: holding the keys is one press.
    XkbSetDetectableAutoRepeat(display, True, nullptr);
    return std::unique_ptr<X11KeyGrab>(new X11KeyGrab(display));
}

X11KeyGrab::X11KeyGrab(void* display) : display_(display) {
    notifier_ =
        std::make_unique<QSocketNotifier>(ConnectionNumber(dpy(display_)), QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &X11KeyGrab::drain);
    // Xlib may have read events into its queue while answering a request.
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &X11KeyGrab::drain);
}

X11KeyGrab::~X11KeyGrab() {
    unbind();
    notifier_.reset();
    XCloseDisplay(dpy(display_));
}

std::optional<QString> X11KeyGrab::bind(std::uint64_t flags, std::uint16_t keyCode) {
    unbind();
    const auto keycode = keys::x11KeycodeFor(keyCode);
    if (!keycode) {
        return refuse(localized("This key cannot be taken from the X server."));
    }
    keycode_ = *keycode;
    modifiers_ = keys::x11ModifiersFor(flags);
    Display* display = dpy(display_);
    XSync(display, False);
    grabRefused = false;
    const auto previous = XSetErrorHandler(noteRefusal);
    grab(true);
    XSync(display, False);
    XSetErrorHandler(previous);
    if (grabRefused) {
        // Some variants may have been taken before the refusal: give them back.
        grab(false);
        keycode_ = 0;
        return refuse(heldElsewhere());
    }
    setProblem({});
    return std::nullopt;
}

void X11KeyGrab::unbind() {
    if (keycode_) {
        grab(false);
        keycode_ = 0;
    }
    held_ = false;
    setProblem({});
}

void X11KeyGrab::grab(bool take) {
    Display* display = dpy(display_);
    const Window root = DefaultRootWindow(display);
    for (const unsigned variant : lockVariants) {
        // A stored Caps Lock is part of the combination, not a variant to ignore.
        if (variant & modifiers_) {
            continue;
        }
        if (take) {
            XGrabKey(display, static_cast<int>(keycode_), modifiers_ | variant, root, False,
                     GrabModeAsync, GrabModeAsync);
        } else {
            XUngrabKey(display, static_cast<int>(keycode_), modifiers_ | variant, root);
        }
    }
    XFlush(display);
}

void X11KeyGrab::drain() {
    Display* display = dpy(display_);
    bool fire = false;
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (!keycode_ || event.xkey.keycode != keycode_) {
            continue;
        }
        if (event.type == KeyPress && !held_) {
            held_ = true;
            fire = true;
        } else if (event.type == KeyRelease) {
            held_ = false;
        }
    }
    if (fire) {
        emit pressed();
    }
}

}  // namespace swivlo
