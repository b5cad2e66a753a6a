#pragma once

#include <QElapsedTimer>

#include "platform/MainQueue.h"

namespace swivlo::desktop {

// Blocks posted to the Qt event loop of the main thread.
class DesktopMainQueue : public MainQueue {
public:
    DesktopMainQueue() { clock_.start(); }
    void async(std::function<void()> block) override;
    void asyncAfter(double seconds, std::function<void()> block) override;
    double now() const override;

private:
    QElapsedTimer clock_;
};

}  // namespace swivlo::desktop
