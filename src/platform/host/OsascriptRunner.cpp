#include "platform/host/OsascriptRunner.h"

#include <charconv>
#include <regex>

namespace swivlo {

namespace {

// The whole text as a 64-bit integer; none when it is not one or does not fit.
std::optional<std::int64_t> integer(const std::string& text) {
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

ScriptErrorInfo OsascriptRunner::parseErrorLine(const std::string& line) {
    // "<start>:<end>: <kind> error: <message> (<number>)"
    static const std::regex pattern(R"(^(\d+):(\d+): [a-z ]*error: (.*?)(?: \((-?\d+)\))?\s*$)");
    std::smatch m;
    ScriptErrorInfo info;
    if (!std::regex_match(line, m, pattern)) {
        info[scriptErrorMessageKey] = line;
        return info;
    }
    info[scriptErrorMessageKey] = m[3].str();
    info[scriptErrorBriefMessageKey] = m[3].str();
    // Offsets and numbers too long for 64 bits are left out, never guessed.
    const auto start = integer(m[1]);
    const auto end = integer(m[2]);
    if (start && end) {
        info[scriptErrorRangeKey] =
            "NSRange: {" + std::to_string(*start) + ", " + std::to_string(*end - *start) + "}";
    }
    if (const auto number = m[4].matched ? integer(m[4]) : std::nullopt) {
        info[scriptErrorNumberKey] = *number;
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
