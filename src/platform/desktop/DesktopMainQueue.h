#pragma once

#include "platform/MainQueue.h"

namespace swivlo::desktop {

// Blocks posted to the Qt event loop of the main thread.
class DesktopMainQueue : public MainQueue {
public:
    void async(std::function<void()> block) override;
    void asyncAfter(double seconds, std::function<void()> block) override;
};

}  // namespace swivlo::desktop
