#include "platform/host/OsascriptRunner.h"

#include <regex>

namespace swivlo {

ScriptErrorInfo OsascriptRunner::parseErrorLine(const std::string& line) {
    // "<start>:<end>: <kind> error: <message> (<number>)"
    static const std::regex pattern(R"(^(\d+):(\d+): [a-z ]*error: (.*?)(?: \((-?\d+)\))?\s*$)");
    std::smatch m;
    ScriptErrorInfo info;
    if (!std::regex_match(line, m, pattern)) {
        info[scriptErrorMessageKey] = line;
        return info;
    }
    const long start = std::stol(m[1]);
    const long end = std::stol(m[2]);
    info[scriptErrorMessageKey] = m[3].str();
    info[scriptErrorBriefMessageKey] = m[3].str();
    info[scriptErrorRangeKey] =
        "NSRange: {" + std::to_string(start) + ", " + std::to_string(end - start) + "}";
    if (m[4].matched) {
        info[scriptErrorNumberKey] = static_cast<std::int64_t>(std::stoll(m[4]));
    }
    return info;
}

ScriptOutcome OsascriptRunner::execute(const std::string& source) {
    return start(source).wait();
}

Pending<ScriptOutcome> OsascriptRunner::start(const std::string& source) {
    return processes_.start({executable_, {"-e", source}, std::nullopt}).then(outcomeOf);
}

ScriptOutcome OsascriptRunner::outcomeOf(const ProcessOutcome& run) {
    ScriptOutcome outcome;
    if (!run.launched) {
        outcome.kind = ScriptOutcome::Kind::NotCreated;
        return outcome;
    }
    std::string text = run.output;
    if (!text.empty() && text.back() == '\n') {
        text.pop_back();
    }
    if (run.exitStatus != 0) {
        outcome.kind = ScriptOutcome::Kind::Failed;
        // The tool may print warnings first; the error is its last line.
        const auto lastBreak = text.find_last_of('\n');
        outcome.error =
            parseErrorLine(lastBreak == std::string::npos ? text : text.substr(lastBreak + 1));
        return outcome;
    }
    outcome.kind = ScriptOutcome::Kind::Succeeded;
    outcome.stringValue = text;
    return outcome;
}

}  // namespace swivlo
