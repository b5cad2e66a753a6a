#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Pending.h"
#include "platform/Service.h"

namespace swivlo {

struct ProcessRequest {
    std::string executable;
    std::vector<std::string> arguments;  // without the program name
    // "NAME=value" entries replacing the environment as a whole; inherited when unset.
    std::optional<std::vector<std::string>> environment;
};

struct ProcessOutcome {
    bool launched = false;
    std::string launchError;  // why it could not be started
    int exitStatus = 0;       // the exit status, or the signal number if a signal ended it
    std::string output;       // standard output and standard error interleaved, raw bytes
};

// A child that keeps running after the call that started it.
class ChildProcess {
public:
    virtual ~ChildProcess() = default;
    virtual bool isRunning() = 0;
    // Asks the child to end; does not wait for it beyond collecting its exit status.
    virtual void terminate() = 0;
    virtual std::int64_t pid() const = 0;
};

// Child processes on the host. Main thread only.
class ProcessRunner {
public:
    virtual ~ProcessRunner() = default;
    // Runs to completion with both output streams on one pipe, which is drained while the child
    // runs, so a child writing a lot never blocks.
    virtual ProcessOutcome run(const ProcessRequest& request) = 0;
    // Starts such a run and returns at once; its outcome is collected by `wait`. By default
    // the run happens when it is collected.
    virtual Pending<ProcessOutcome> start(const ProcessRequest& request) {
        return Pending<ProcessOutcome>([this, request] { return run(request); });
    }
    // Starts a child with inherited standard streams that never outlives Swivlo; none, with
    // `error` set, when it cannot be started.
    virtual std::unique_ptr<ChildProcess> launch(const ProcessRequest& request,
                                                 std::string& error) = 0;
};

inline ProcessRunner& processRunner() {
    return Service<ProcessRunner>::get();
}

}  // namespace swivlo
