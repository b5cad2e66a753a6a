#pragma once

#include <functional>

#include "platform/Service.h"

namespace swivlo {

// One-shot blocks run later on the main thread.
class MainQueue {
public:
    virtual ~MainQueue() = default;
    virtual void async(std::function<void()> block) = 0;
    virtual void asyncAfter(double seconds, std::function<void()> block) = 0;
    // The queue's clock in seconds: only differences mean anything, and it never goes back.
    virtual double now() const = 0;
};

inline MainQueue& mainQueue() {
    return Service<MainQueue>::get();
}

}  // namespace swivlo
