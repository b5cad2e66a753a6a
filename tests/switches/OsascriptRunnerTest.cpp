// The real host's script runner, driven through a stand-in osascript tool.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>

#include "platform/host/OsascriptRunner.h"
#include "platform/host/PosixProcessRunner.h"

namespace swivlo {
namespace {

// The tool's error lines.
TEST(OsascriptRunner, ParsesTheToolsErrorLines) {
    const struct {
        const char* line;
        std::string message;
        std::optional<std::int64_t> number;
        std::optional<std::string> range;
    } cases[] = {
        {"0:63: execution error: Not authorized to send Apple events to System Events. (-1743)",
         "Not authorized to send Apple events to System Events.", -1743, "NSRange: {0, 63}"},
        {"12:20: syntax error: Expected end of line but found identifier. (-2741)",
         "Expected end of line but found identifier.", -2741, "NSRange: {12, 8}"},
        {"something else", "something else", std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto info = OsascriptRunner::parseErrorLine(c.line);
        EXPECT_EQ(std::get<std::string>(info.at(scriptErrorMessageKey)), c.message) << c.line;
        const auto number = info.find(scriptErrorNumberKey);
        EXPECT_EQ(number == info.end() ? std::nullopt
                                       : std::optional(std::get<std::int64_t>(number->second)),
                  c.number)
            << c.line;
        const auto range = info.find(scriptErrorRangeKey);
        EXPECT_EQ(range == info.end() ? std::nullopt
                                      : std::optional(std::get<std::string>(range->second)),
                  c.range)
            << c.line;
    }
}

class StandInTool : public ::testing::Test {
protected:
    // A tool that prints `stdoutText`, `stderrText` and exits with `status`.
    OsascriptRunner runnerFor(const std::string& body) {
        const QString path = dir.path() + "/osascript";
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(("#!/bin/zsh\n" + body + "\n").c_str());
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        return OsascriptRunner(processes, path.toStdString());
    }

    QTemporaryDir dir;
    PosixProcessRunner processes;
};

TEST_F(StandInTool, PassesTheSourceAsOneArgumentAndReadsTheResult) {
    auto runner = runnerFor(R"([ "$1" = -e ] && print -r -- "${#2}")");
    const auto outcome = runner.execute("line one\nline \"two\"");
    EXPECT_EQ(outcome.kind, ScriptOutcome::Kind::Succeeded);
    EXPECT_EQ(outcome.stringValue, std::optional<std::string>("19"));
}

// The tool may warn first; the error, and its number, is the last line.
TEST_F(StandInTool, AFailureBecomesAnErrorDictionary) {
    auto runner = runnerFor(
        "print -u2 'osascript: warning: the scripting addition was not loaded'; "
        "print -u2 'osascript: warning: it is out of date'; "
        "print -u2 '0:63: execution error: Not authorized to send Apple events to System "
        "Events. (-1743)'; exit 1");
    const auto outcome = runner.execute("x");
    EXPECT_EQ(outcome.kind, ScriptOutcome::Kind::Failed);
    EXPECT_EQ(std::get<std::int64_t>(outcome.error.at(scriptErrorNumberKey)), -1743);
}

TEST_F(StandInTool, AMissingToolCreatesNoScript) {
    OsascriptRunner runner(processes, dir.path().toStdString() + "/missing");
    EXPECT_EQ(runner.execute("x").kind, ScriptOutcome::Kind::NotCreated);
}

}  // namespace
}  // namespace swivlo
