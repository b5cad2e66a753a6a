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

// A log line whose reader has gone (`swivlo | head`) is lost instead of ending the program.
void ignoreBrokenPipes();

}  // namespace swivlo::desktop
