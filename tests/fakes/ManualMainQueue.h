#pragma once

#include <functional>
#include <vector>

#include "platform/MainQueue.h"

namespace swivlo::testing {

// A main queue on a clock that only moves when a test says so.
class ManualMainQueue : public MainQueue {
public:
    void async(std::function<void()> block) override;
    void asyncAfter(double seconds, std::function<void()> block) override;

    double now() const override { return now_; }
    // Runs every block due up to now + seconds, in time order (then in scheduling order),
    // including blocks those blocks schedule.
    void advance(double seconds);
    // Runs the blocks due now.
    void drain() { advance(0); }
    std::size_t pendingCount() const { return pending_.size(); }

private:
    struct Pending {
        double due;
        unsigned long sequence;
        std::function<void()> block;
    };
    std::vector<Pending> pending_;
    double now_ = 0;
    unsigned long nextSequence_ = 0;
};

}  // namespace swivlo::testing
