#include "fakes/ManualMainQueue.h"

#include <algorithm>

namespace swivlo::testing {

void ManualMainQueue::async(std::function<void()> block) {
    pending_.push_back({now_, nextSequence_++, std::move(block)});
}

void ManualMainQueue::asyncAfter(double seconds, std::function<void()> block) {
    pending_.push_back({now_ + std::max(seconds, 0.0), nextSequence_++, std::move(block)});
}

void ManualMainQueue::advance(double seconds) {
    const double end = now_ + seconds;
    for (;;) {
        auto next = std::min_element(
            pending_.begin(), pending_.end(), [](const Pending& a, const Pending& b) {
                return a.due != b.due ? a.due < b.due : a.sequence < b.sequence;
            });
        if (next == pending_.end() || next->due > end + 1e-9) {
            break;
        }
        now_ = std::max(now_, next->due);
        auto block = std::move(next->block);
        pending_.erase(next);
        block();
    }
    now_ = end;
}

}  // namespace swivlo::testing
