#pragma once

#include <cstdlib>
#include <string>

#include "platform/LogOutput.h"

namespace swivlo::fuzz {

// A broken invariant is a finding: abort so libFuzzer keeps the input.
inline void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Log lines are not what a fuzzer looks at.
class DiscardedLog : public LogOutput {
public:
    void writeLine(const std::string&) override {}
};

}  // namespace swivlo::fuzz
