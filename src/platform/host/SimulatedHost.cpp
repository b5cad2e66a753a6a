#include "platform/host/SimulatedHost.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtGlobal>
#include <regex>

#include "platform/HostPaths.h"

namespace swivlo {

namespace {

std::optional<QVariant> appearance(const SimulatedHostState& state) {
    return state.value(SimulatedHostState::globalDomain, GlobalDomain::appearanceKey);
}
const std::string dockDomain = "com.apple.dock";
const std::string dockKey = "autohide";

// Scripts are matched with their white space (indentation, line breaks) collapsed.
std::string normalizedScript(const std::string& source) {
    std::string out;
    bool pendingSpace = false;
    for (char c : source) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            pendingSpace = !out.empty();
            continue;
        }
        if (pendingSpace) {
            out += ' ';
            pendingSpace = false;
        }
        out += c;
    }
    return out;
}

ScriptErrorInfo syntaxError(const std::string& source) {
    const std::string message = "Expected end of line, etc. but found identifier.";
    return {{scriptErrorBriefMessageKey, message},
            {scriptErrorMessageKey, message},
            {scriptErrorNumberKey, std::int64_t{-2741}},
            {scriptErrorRangeKey, "NSRange: {0, " + std::to_string(source.size()) + "}"}};
}

ScriptErrorInfo permissionError() {
    const std::string message = "Not authorized to send Apple events to System Events.";
    return {{scriptErrorAppNameKey, "System Events"},
            {scriptErrorBriefMessageKey, message},
            {scriptErrorMessageKey, message},
            {scriptErrorNumberKey, scriptErrorNotAuthorized}};
}

std::string joined(const ProcessRequest& request) {
    std::string text = request.executable;
    for (const auto& a : request.arguments) {
        text += ' ' + a;
    }
    return text;
}

// The stand-in keep-awake child: a real process that only ends when terminated.
class SimulatedCaffeinate : public ChildProcess {
public:
    SimulatedCaffeinate(std::unique_ptr<ChildProcess> child,
                        std::shared_ptr<SimulatedHost::EventLog> events)
        : child_(std::move(child)), events_(std::move(events)) {}
    bool isRunning() override { return child_->isRunning(); }
    void terminate() override {
        events_->add("terminate: " + HostPaths::caffeinate);
        child_->terminate();
    }
    std::int64_t pid() const override { return child_->pid(); }

private:
    std::unique_ptr<ChildProcess> child_;
    std::shared_ptr<SimulatedHost::EventLog> events_;
};

}  // namespace

SimulatedHost::SimulatedHost(std::optional<QString> stateFile)
    : stateFile_(std::move(stateFile)), events_(std::make_shared<EventLog>()) {
    reloadIfChangedOnDisk();
}

SimulatedHost::~SimulatedHost() = default;

void SimulatedHost::EventLog::add(std::string event) {
    if (entries.size() >= keptEvents) {
        entries.erase(entries.begin());
    }
    entries.push_back(std::move(event));
}

const SimulatedHostState& SimulatedHost::state() const {
    reloadIfChangedOnDisk();
    return state_;
}

void SimulatedHost::setState(SimulatedHostState state) {
    syncFromDisk();
    change([&] { state_ = std::move(state); });
}

void SimulatedHost::setAutomationPermitted(bool permitted) {
    syncFromDisk();
    change([&] { state_.automationPermitted = permitted; });
}

void SimulatedHost::change(const std::function<void()>& apply) {
    const SimulatedHostState old = state_;
    apply();
    if (!(state_ == old)) {
        save();
    }
    if (appearance(state_) != appearance(old)) {
        notifyAppearanceChanged();
    }
}

void SimulatedHost::syncFromDisk() {
    const auto before = appearance(state_);
    if (reloadIfChangedOnDisk() && appearance(state_) != before) {
        notifyAppearanceChanged();
    }
}

bool SimulatedHost::reloadIfChangedOnDisk() const {
    if (!stateFile_) {
        return false;
    }
    const QFileInfo info(*stateFile_);
    if (!info.exists()) {
        return false;
    }
    if (info.lastModified() == loadedModified_ && info.size() == loadedSize_) {
        return false;
    }
    loadedModified_ = info.lastModified();
    loadedSize_ = info.size();
    QFile file(*stateFile_);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    if (auto loaded = SimulatedHostState::fromJson(file.readAll())) {
        state_ = std::move(*loaded);
        return true;
    }
    qWarning("Simulated host: %s is not a JSON object; keeping the current state",
             qPrintable(*stateFile_));
    return false;
}

void SimulatedHost::save() {
    if (!stateFile_) {
        return;
    }
    QDir().mkpath(QFileInfo(*stateFile_).absolutePath());
    QSaveFile file(*stateFile_);
    if (!file.open(QIODevice::WriteOnly) || file.write(state_.toJson()) < 0 || !file.commit()) {
        qWarning("Simulated host: cannot write %s", qPrintable(*stateFile_));
        return;
    }
    const QFileInfo info(*stateFile_);
    loadedModified_ = info.lastModified();
    loadedSize_ = info.size();
}

ProcessOutcome SimulatedHost::run(const ProcessRequest& request) {
    syncFromDisk();
    ProcessOutcome outcome;
    if (request.executable != HostPaths::shell || request.arguments.size() != 2 ||
        request.arguments[0] != "-c") {
        outcome.launchError =
            "The simulated host runs only \u201c" + HostPaths::shell + " -c\u201d";
        return outcome;
    }
    events_->add("shell: " + request.arguments[1]);
    const ShellResult result = runShellText(request.arguments[1]);
    outcome.launched = true;
    outcome.exitStatus = result.status;
    outcome.output = result.output;
    return outcome;
}

std::unique_ptr<ChildProcess> SimulatedHost::launch(const ProcessRequest& request,
                                                    std::string& error) {
    if (request.executable != HostPaths::caffeinate || !caffeinateAvailable) {
        error = "The file \u201c" + request.executable +
                "\u201d could not be started: No such file or directory";
        return nullptr;
    }
    auto child = realProcesses_.launch({"/bin/sleep", {"infinity"}, std::nullopt}, error);
    if (!child) {
        return nullptr;
    }
    events_->add("launch: " + joined(request));
    return std::make_unique<SimulatedCaffeinate>(std::move(child), events_);
}

ScriptOutcome SimulatedHost::execute(const std::string& source) {
    syncFromDisk();
    events_->add("script: " + source);
    ScriptOutcome outcome;
    const std::string normalized = normalizedScript(source);
    // Compiling comes first: a text System Events does not understand fails as a syntax error
    // whatever the permission.
    static const std::regex understood(
        R"(tell application "System Events" (to (get|set) autohide of dock preferences( to (true|false))?|to get dark mode of appearance preferences|tell appearance preferences set dark mode to (true|false) end tell end tell|set visible of every process to (true|false) end tell))");
    if (!std::regex_match(normalized, understood)) {
        outcome.kind = ScriptOutcome::Kind::Failed;
        outcome.error = syntaxError(source);
        return outcome;
    }
    if (!state_.automationPermitted) {
        outcome.kind = ScriptOutcome::Kind::Failed;
        outcome.error = permissionError();
        return outcome;
    }
    outcome.kind = ScriptOutcome::Kind::Succeeded;
    outcome.stringValue = runSystemEvents(normalized);
    return outcome;
}

std::optional<std::string> SimulatedHost::runSystemEvents(const std::string& normalized) {
    const bool value = normalized.find(" to true") != std::string::npos;
    const std::string word = value ? "true" : "false";
    if (normalized.find("get autohide") != std::string::npos) {
        const auto v = state_.value(dockDomain, dockKey);
        return v && v->toBool() ? "true" : "false";
    }
    if (normalized.find("set autohide") != std::string::npos) {
        change([&] { state_.setValue(dockDomain, dockKey, value); });
        return word;
    }
    if (normalized.find("get dark mode") != std::string::npos) {
        const auto v = appearance(state_);
        return v && v->toString() == "Dark" ? "true" : "false";
    }
    if (normalized.find("set dark mode") != std::string::npos) {
        change([&] {
            if (value) {
                state_.setValue(SimulatedHostState::globalDomain, appearanceKey, QString("Dark"));
            } else {
                state_.removeValue(SimulatedHostState::globalDomain, appearanceKey);
            }
        });
        return word;
    }
    // Hiding every window changes nothing the simulated host keeps.
    return word;
}

std::optional<QVariant> SimulatedHost::persistentValue(const std::string& key) const {
    reloadIfChangedOnDisk();
    return state_.value(SimulatedHostState::globalDomain, key);
}

}  // namespace swivlo
