#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/Pending.h"
#include "platform/ProcessRunner.h"
#include "platform/SystemHost.h"

namespace swivlo {

// The macOS host: every switch through `defaults` and `killall` in the Z shell, "System
// Events" scripts and a held caffeinate child, with the texts of HostTexts. It reaches the host
// through the installed ProcessRunner, ScriptRunner and GlobalDomain (the real programs or the
// simulated host) and logs each run through logLine. Everything is available.
class MacHost : public SystemHost {
public:
    static inline const std::string shellEnvironment = "PATH=/usr/bin:/bin:/usr/sbin:/sbin";

    Support supports(Capability capability) const override;
    SwitchStates read(const std::vector<Capability>& capabilities) override;
    Change set(Capability capability, bool on) override;
    void perform(Capability action) override;
    void release() override;

    // Runs `command` with /bin/zsh -c; the combined, trimmed output, or none when the shell
    // could not be started or the output is not UTF-8.
    std::optional<std::string> runShellCommand(const std::string& command);
    // Runs an AppleScript text; its string result, or none on any error. A refusal for lack of
    // automation permission sets lastPermissionDenied and posts the permission alert.
    std::optional<std::string> runAppleScript(const std::string& source);
    bool lastPermissionDenied() const { return lastPermissionDenied_; }

    const ChildProcess* caffeinateProcess() const { return caffeinateProcess_.get(); }

private:
    // The runners' halves: started at once, logged when collected.
    Pending<std::optional<std::string>> startShellCommand(const std::string& command);
    Pending<std::optional<std::string>> startAppleScript(const std::string& source);

    void setKeepAwake(bool on);
    bool isKeepAwakeRunning() const;

    bool lastPermissionDenied_ = false;
    std::unique_ptr<ChildProcess> caffeinateProcess_;
};

}  // namespace swivlo
