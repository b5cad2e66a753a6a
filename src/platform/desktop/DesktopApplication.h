#pragma once

#include "platform/Application.h"

namespace swivlo::desktop {

class DesktopApplication : public Application, public Workspace {
public:
    void activateIgnoringOtherApps() override;
    void terminate() override;
    bool openURL(const std::string& url) override;
};

// Quits the main loop cleanly on SIGINT, SIGTERM and SIGHUP, so termination callbacks run.
void quitOnTerminationSignals();

// Descriptors left open by whatever started Swivlo reach none of its children.
void keepInheritedDescriptorsFromChildren();

// In a Wayland session with Xwayland, Swivlo runs as an X11 client unless told otherwise: only
// there may its panel place itself at the tray icon. Call before the QApplication exists.
void preferXwayland();

// A log line whose reader has gone (`swivlo | head`) is lost instead of ending the program.
void ignoreBrokenPipes();

}  // namespace swivlo::desktop
