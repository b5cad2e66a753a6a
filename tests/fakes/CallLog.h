#pragma once

#include <string>
#include <vector>

namespace swivlo::testing {

// Every call a fake receives, in order, as one readable line ("popover.setBehavior 1").
class CallLog {
public:
    void record(std::string line) { lines_.push_back(std::move(line)); }
    const std::vector<std::string>& lines() const { return lines_; }
    void clear() { lines_.clear(); }
    bool contains(const std::string& line) const;
    int count(const std::string& line) const;

private:
    std::vector<std::string> lines_;
};

}  // namespace swivlo::testing
