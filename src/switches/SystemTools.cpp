#include "switches/SystemTools.h"

#include <QString>
#include <QStringDecoder>

#include "app/Notifications.h"
#include "platform/HostPaths.h"
#include "platform/LogOutput.h"
#include "platform/NotificationCenter.h"
#include "platform/ScriptRunner.h"

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

}  // namespace

SystemTools& SystemTools::shared() {
    static SystemTools instance;
    return instance;
}

std::optional<std::string> SystemTools::runShellCommand(const std::string& command) {
    const ProcessOutcome outcome =
        processRunner().run({HostPaths::shell, {"-c", command}, std::vector{shellEnvironment}});
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
}

std::optional<std::string> SystemTools::runAppleScript(const std::string& source) {
    lastPermissionDenied_ = false;
    const ScriptOutcome outcome = scriptRunner().execute(source);
    switch (outcome.kind) {
        case ScriptOutcome::Kind::NotCreated:
            return std::nullopt;
        case ScriptOutcome::Kind::Failed: {
            logLine("❌ AppleScript error: " + describeScriptError(outcome.error));
            logLine("Script: " + source);
            const auto number = outcome.error.find(scriptErrorNumberKey);
            if (number != outcome.error.end()) {
                const auto* value = std::get_if<std::int64_t>(&number->second);
                if (value && *value == scriptErrorNotAuthorized) {
                    logLine("⚠️ Permission denied");
                    lastPermissionDenied_ = true;
                    NotificationCenter::defaultCenter().post(
                        Notification::showAccessibilityPermissionAlert);
                }
            }
            return std::nullopt;
        }
        case ScriptOutcome::Kind::Succeeded:
            logLine("✅ AppleScript success: " + source);
            return outcome.stringValue;
    }
    return std::nullopt;
}

void SystemTools::resetSharedForTesting() {
    SystemTools& tools = shared();
    if (tools.caffeinateProcess_) {
        tools.caffeinateProcess_->terminate();
        tools.caffeinateProcess_.reset();
    }
    tools.lastPermissionDenied_ = false;
}

}  // namespace swivlo
