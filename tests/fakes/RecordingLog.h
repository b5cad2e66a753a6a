#pragma once

#include <string>
#include <vector>

#include "platform/LogOutput.h"

namespace swivlo::testing {

// Keeps the program's log lines instead of printing them; installed for its lifetime.
class RecordingLog : public LogOutput {
public:
    RecordingLog() { Service<LogOutput>::install(this); }
    ~RecordingLog() override { Service<LogOutput>::install(nullptr); }
    RecordingLog(const RecordingLog&) = delete;
    RecordingLog& operator=(const RecordingLog&) = delete;

    void writeLine(const std::string& line) override { lines.push_back(line); }
    std::vector<std::string> lines;
};

}  // namespace swivlo::testing
