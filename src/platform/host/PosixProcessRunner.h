#pragma once

#include <map>

#include "platform/ProcessRunner.h"

namespace swivlo {

// Real child processes through posix_spawn.
class PosixProcessRunner : public ProcessRunner {
public:
    ProcessOutcome run(const ProcessRequest& request) override;
    // Spawns at once; the output is read and the child collected by `wait`.
    Pending<ProcessOutcome> start(const ProcessRequest& request) override;
    std::unique_ptr<ChildProcess> launch(const ProcessRequest& request,
                                         std::string& error) override;

    // Starts `to` whenever `from` is asked for; lets tests make a fixed path go missing.
    void redirectExecutable(const std::string& from, const std::string& to) {
        redirects_[from] = to;
    }

private:
    std::string resolve(const std::string& executable) const;
    std::map<std::string, std::string> redirects_;
};

}  // namespace swivlo
