#include "platform/host/MacHost.h"

#include <QStringDecoder>
#include <algorithm>
#include <functional>

#include "core/Notifications.h"
#include "platform/GlobalDomain.h"
#include "platform/HostPaths.h"
#include "platform/LogOutput.h"
#include "platform/NotificationCenter.h"
#include "platform/ScriptRunner.h"
#include "platform/host/HostTexts.h"

namespace swivlo {

namespace {

// UTF-8 text with white space and line breaks removed at both ends; none when not UTF-8.
std::optional<std::string> decodedOutput(const std::string& bytes) {
    // Stateless: a sequence cut off at the end is an error, not pending input.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    const QString text = decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    if (decoder.hasError()) {
        return std::nullopt;
    }
    // QChar::isSpace is the Unicode separators plus tab, line breaks and NEL: the same set as
    // the host's whitespace-and-newline characters.
    return text.trimmed().toStdString();
}

bool isDark(const std::optional<QVariant>& style) {
    return style && style->typeId() == QMetaType::QString && style->toString() == "Dark";
}

}  // namespace

Support MacHost::supports(Capability) const {
    return {};
}

SwitchStates MacHost::read(const std::vector<Capability>& capabilities) {
    using namespace HostTexts;
    // Every reading is started before the first is collected, so the host's processes run
    // together; they are collected, and logged, in this fixed order.
    const std::pair<Capability, std::function<Pending<bool>()>> readings[] = {
        {Capability::hideDesktop,
         [this] { return startShellCommand(desktopRead).then(desktopHiddenFrom); }},
        {Capability::hideWidgets,
         [this] { return startShellCommand(widgetsRead).then(widgetsHiddenFrom); }},
        {Capability::autoHideDock,
         [this] { return startAppleScript(dockReadingScript).then(dockAutoHideFrom); }},
        {Capability::stageManager,
         [this] { return startShellCommand(stageManagerRead).then(stageManagerEnabledFrom); }},
        {Capability::darkMode,
         [] { return globalDomain().startReading(GlobalDomain::appearanceKey).then(isDark); }},
        {Capability::keepAwake,
         [this] { return Pending<bool>([this] { return isKeepAwakeRunning(); }); }},
    };
    std::vector<std::pair<Capability, Pending<bool>>> started;
    for (const auto& [capability, start] : readings) {
        if (std::find(capabilities.begin(), capabilities.end(), capability) != capabilities.end()) {
            started.emplace_back(capability, start());
        }
    }
    SwitchStates states;
    for (auto& [capability, pending] : started) {
        states[capability] = pending.wait();
    }
    return states;
}

Change MacHost::set(Capability capability, bool on) {
    using namespace HostTexts;
    switch (capability) {
        case Capability::hideDesktop:
            // Restarting the Finder steals focus; the panel must not take that for an outside
            // click.
            NotificationCenter::defaultCenter().post(Notification::suspendEventMonitor);
            runShellCommand(desktopWrite(!on));
            runShellCommand(finderRestart);
            break;
        case Capability::hideWidgets:
            runShellCommand(widgetsWrite(on));
            runShellCommand(windowManagerRestart);
            break;
        case Capability::stageManager:
            runShellCommand(stageManagerWrite(on));
            runShellCommand(windowManagerRestart);
            break;
        case Capability::autoHideDock:
            runAppleScript(dockScript(on));
            return lastPermissionDenied_ ? Change::refused : Change::done;
        case Capability::darkMode:
            runAppleScript(appearanceScript(on));
            return lastPermissionDenied_ ? Change::refused : Change::done;
        case Capability::keepAwake:
            setKeepAwake(on);
            break;
        case Capability::hideAllWindows:
            break;
    }
    return Change::done;
}

void MacHost::perform(Capability action) {
    if (action == Capability::hideAllWindows) {
        runAppleScript(HostTexts::hideWindowsScript);
    }
}

void MacHost::release() {
    if (caffeinateProcess_) {
        setKeepAwake(false);
    }
}

std::optional<std::string> MacHost::runShellCommand(const std::string& command) {
    return startShellCommand(command).wait();
}

std::optional<std::string> MacHost::runAppleScript(const std::string& source) {
    return startAppleScript(source).wait();
}

Pending<std::optional<std::string>> MacHost::startShellCommand(const std::string& command) {
    return processRunner()
        .start({HostPaths::shell, {"-c", command}, std::vector{shellEnvironment}})
        .then([command](const ProcessOutcome& outcome) -> std::optional<std::string> {
            if (!outcome.launched) {
                logLine("Shell command execution failed: " + outcome.launchError);
                return std::nullopt;
            }
            const std::optional<std::string> output = decodedOutput(outcome.output);
            if (outcome.exitStatus != 0) {
                logLine("Command failed: " + command);
                logLine("Error output: " + output.value_or(""));
            } else {
                logLine("Command success: " + command);
            }
            return output;
        });
}

Pending<std::optional<std::string>> MacHost::startAppleScript(const std::string& source) {
    return scriptRunner().start(source).then(
        [this, source](const ScriptOutcome& outcome) -> std::optional<std::string> {
            lastPermissionDenied_ = false;
            switch (outcome.kind) {
                case ScriptOutcome::Kind::NotCreated:
                    return std::nullopt;
                case ScriptOutcome::Kind::Failed: {
                    logLine("❌ AppleScript error: " + describeScriptError(outcome.error));
                    logLine("Script: " + source);
                    const auto number = outcome.error.find(scriptErrorNumberKey);
                    const auto* value = number == outcome.error.end()
                                            ? nullptr
                                            : std::get_if<std::int64_t>(&number->second);
                    if (value && *value == scriptErrorNotAuthorized) {
                        logLine("⚠️ Permission denied");
                        lastPermissionDenied_ = true;
                        NotificationCenter::defaultCenter().post(
                            Notification::showAccessibilityPermissionAlert);
                    }
                    return std::nullopt;
                }
                case ScriptOutcome::Kind::Succeeded:
                    logLine("✅ AppleScript success: " + source);
                    return outcome.stringValue;
            }
            return std::nullopt;
        });
}

void MacHost::setKeepAwake(bool on) {
    if (on) {
        // A running child already keeps the computer awake; a second one could never be
        // stopped, because only one handle is kept.
        if (isKeepAwakeRunning()) {
            logLine("✅ Keep Awake enabled");
            return;
        }
        std::string error;
        auto child = processRunner().launch(
            {HostPaths::caffeinate, {"-d", "-i", "-s", "-u"}, std::nullopt}, error);
        if (!child) {
            logLine("❌ Failed to start caffeinate: " + error);
            return;
        }
        caffeinateProcess_ = std::move(child);
        logLine("✅ Keep Awake enabled");
        return;
    }
    if (caffeinateProcess_) {
        caffeinateProcess_->terminate();
    }
    caffeinateProcess_.reset();
    logLine("✅ Keep Awake disabled");
}

bool MacHost::isKeepAwakeRunning() const {
    return caffeinateProcess_ && caffeinateProcess_->isRunning();
}

}  // namespace swivlo
