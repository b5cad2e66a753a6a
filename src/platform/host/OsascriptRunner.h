#pragma once

#include "platform/HostPaths.h"
#include "platform/ProcessRunner.h"
#include "platform/ScriptRunner.h"

namespace swivlo {

// Runs AppleScript texts with the host's osascript tool and turns its error line
// ("0:63: execution error: Not authorized ... (-1743)") back into an error dictionary.
class OsascriptRunner : public ScriptRunner {
public:
    explicit OsascriptRunner(ProcessRunner& processes,
                             std::string executable = HostPaths::osascript)
        : processes_(processes), executable_(std::move(executable)) {}
    ScriptOutcome execute(const std::string& source) override;
    Pending<ScriptOutcome> start(const std::string& source) override;

    // The dictionary for one error line of the tool; exposed for tests.
    static ScriptErrorInfo parseErrorLine(const std::string& line);

private:
    static ScriptOutcome outcomeOf(const ProcessOutcome& run);

    ProcessRunner& processes_;
    std::string executable_;
};

}  // namespace swivlo
