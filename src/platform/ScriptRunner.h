#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <variant>

#include "platform/Pending.h"
#include "platform/Service.h"

namespace swivlo {

// The error-information dictionary of a failed script, keyed like the host's
// ("NSAppleScriptErrorNumber", "NSAppleScriptErrorMessage", ...).
using ScriptErrorValue = std::variant<std::int64_t, std::string>;
using ScriptErrorInfo = std::map<std::string, ScriptErrorValue>;

inline const std::string scriptErrorNumberKey = "NSAppleScriptErrorNumber";
inline const std::string scriptErrorMessageKey = "NSAppleScriptErrorMessage";
inline const std::string scriptErrorBriefMessageKey = "NSAppleScriptErrorBriefMessage";
inline const std::string scriptErrorAppNameKey = "NSAppleScriptErrorAppName";
inline const std::string scriptErrorRangeKey = "NSAppleScriptErrorRange";
// The error number of a script the user has not allowed to control another application.
inline constexpr std::int64_t scriptErrorNotAuthorized = -1743;

// The dictionary as the host prints one: "{\n    Key = value;\n}", keys sorted, text quoted
// unless it is a plain word.
std::string describeScriptError(const ScriptErrorInfo& info);

struct ScriptOutcome {
    enum class Kind { NotCreated, Succeeded, Failed };
    Kind kind = Kind::NotCreated;
    std::optional<std::string> stringValue;  // when succeeded and the result has one
    ScriptErrorInfo error;                   // when failed
};

// Compiles and runs AppleScript texts synchronously. Main thread only.
class ScriptRunner {
public:
    virtual ~ScriptRunner() = default;
    virtual ScriptOutcome execute(const std::string& source) = 0;
    // Starts a script and returns at once; its outcome is collected by `wait`. By default the
    // script runs when it is collected.
    virtual Pending<ScriptOutcome> start(const std::string& source) {
        return Pending<ScriptOutcome>([this, source] { return execute(source); });
    }
};

inline ScriptRunner& scriptRunner() {
    return Service<ScriptRunner>::get();
}

}  // namespace swivlo
