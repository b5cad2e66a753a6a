#include "platform/desktop/X11Connection.h"

#include <fcntl.h>

#include <QByteArray>
#include <QGuiApplication>

// X11 headers last: they define macros (None, Bool, KeyPress...) that clash with Qt names.
#include <X11/Xlib.h>

namespace swivlo::desktop {

namespace {

// The name Qt opened its own connection with; empty when Qt does not say.
QByteArray qtDisplayName() {
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* qtDisplay = x11 ? x11->display() : nullptr;
    return qtDisplay ? QByteArray(XDisplayString(qtDisplay)) : QByteArray();
}

}  // namespace

Display* openPrivateConnection() {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        return nullptr;
    }
    const QByteArray name = qtDisplayName();
    Display* display = XOpenDisplay(name.isEmpty() ? nullptr : name.constData());
    if (display) {
        fcntl(ConnectionNumber(display), F_SETFD, FD_CLOEXEC);
    }
    return display;
}

}  // namespace swivlo::desktop
