#pragma once

#include <QDateTime>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/GlobalDomain.h"
#include "platform/ProcessRunner.h"
#include "platform/ScriptRunner.h"
#include "platform/host/PosixProcessRunner.h"
#include "platform/host/SimulatedHostState.h"

namespace swivlo {

// A stand-in for the macOS host on machines that lack it. It answers exactly the texts Swivlo
// sends, with the real tools' observable results:
// - "/bin/zsh -c TEXT": `defaults read|write|delete` on typed values, `killall` of Finder,
//   WindowManager and Dock (a restart), anything else as zsh's "command not found" (127);
// - "System Events" scripts for the Dock's auto-hide, the dark appearance and hiding every
//   window; other texts fail as syntax errors, and every script fails with -1743 while the
//   automation permission is withdrawn;
// - "/usr/bin/caffeinate": a real child process (a sleeping stand-in) until terminated.
// With a state file, the state is loaded at start, re-read when the file changes on disk and
// written atomically after every change; without one it lives in memory only (tests).
class SimulatedHost : public ProcessRunner, public ScriptRunner, public GlobalDomain {
public:
    explicit SimulatedHost(std::optional<QString> stateFile = std::nullopt);
    ~SimulatedHost() override;

    ProcessOutcome run(const ProcessRequest& request) override;
    std::unique_ptr<ChildProcess> launch(const ProcessRequest& request,
                                         std::string& error) override;
    ScriptOutcome execute(const std::string& source) override;
    std::optional<QVariant> persistentValue(const std::string& key) const override;

    // What the host was last asked to do, in order: "shell: TEXT", "script: TEXT",
    // "restart: NAME", "launch: PATH ARGS...", "terminate: PATH". Only the most recent
    // `keptEvents` stay: a Swivlo that runs for months must not grow with every reading.
    static constexpr std::size_t keptEvents = 256;
    // Shared with the keep-awake child, which records its own end.
    struct EventLog {
        std::vector<std::string> entries;
        void add(std::string event);
    };
    const std::vector<std::string>& events() const { return events_->entries; }
    void clearEvents() { events_->entries.clear(); }

    const SimulatedHostState& state() const;
    // Replaces the state (and saves it), e.g. to prepare a test.
    void setState(SimulatedHostState state);
    void setAutomationPermitted(bool permitted);
    // When false, the keep-awake tool is missing and cannot be started.
    bool caffeinateAvailable = true;

private:
    struct ShellResult {
        int status = 0;
        std::string output;
    };
    ShellResult runShellText(const std::string& text);
    ShellResult runDefaults(const std::vector<std::string>& args);
    ShellResult runKillall(const std::vector<std::string>& args);
    std::optional<std::string> runSystemEvents(const std::string& normalized);

    // Applies a change and saves it; reports an appearance change to observers. Callers have
    // read the state file first.
    void change(const std::function<void()>& apply);
    // Picks up edits made to the state file while running; true when it was re-read.
    bool reloadIfChangedOnDisk() const;
    void syncFromDisk();
    void save();

    mutable SimulatedHostState state_;
    std::optional<QString> stateFile_;
    mutable QDateTime loadedModified_;
    mutable qint64 loadedSize_ = -1;
    std::shared_ptr<EventLog> events_;
    PosixProcessRunner realProcesses_;
};

}  // namespace swivlo
