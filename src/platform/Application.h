#pragma once

#include <string>

#include "platform/Service.h"

namespace swivlo {

// The running application as the host sees it.
class Application {
public:
    virtual ~Application() = default;
    virtual void activateIgnoringOtherApps() = 0;
    // Ends the main loop; termination callbacks run before the process exits.
    virtual void terminate() = 0;
};

inline Application& application() {
    return Service<Application>::get();
}

// Opening URLs with the host's handlers.
class Workspace {
public:
    virtual ~Workspace() = default;
    virtual bool openURL(const std::string& url) = 0;
};

inline Workspace& workspace() {
    return Service<Workspace>::get();
}

}  // namespace swivlo
