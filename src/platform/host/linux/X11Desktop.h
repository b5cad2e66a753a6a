#pragma once

typedef struct _XDisplay Display;

namespace swivlo::linuxhost {

// Swivlo's own connection to the X server, for what the window manager and the server offer.
// The screen saver suspension belongs to this connection, so the server lifts it when Swivlo's
// process ends, however it ends.
class X11Desktop {
public:
    // Connects to $DISPLAY; isConnected() says whether that worked.
    X11Desktop();
    ~X11Desktop();
    X11Desktop(const X11Desktop&) = delete;
    X11Desktop& operator=(const X11Desktop&) = delete;

    bool isConnected() const { return display_ != nullptr; }
    // A window manager that follows EWMH runs (_NET_SUPPORTING_WM_CHECK).
    bool hasEwmhWindowManager() const;
    // The window manager advertises _NET_SHOWING_DESKTOP in _NET_SUPPORTED.
    bool supportsShowingDesktop() const;
    // Asks the window manager to hide every window and show the desktop.
    void showDesktop();

    bool hasScreenSaverExtension() const;
    // XScreenSaverSuspend: while suspended, neither the screen saver nor power saving starts.
    void suspendScreenSaver(bool suspend);

private:
    Display* display_;
};

}  // namespace swivlo::linuxhost
