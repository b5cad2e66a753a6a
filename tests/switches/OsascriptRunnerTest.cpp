// The real host's script runner, driven through a stand-in osascript tool.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/host/OsascriptRunner.h"
#include "platform/host/PosixProcessRunner.h"

namespace swivlo {
namespace {

TEST(OsascriptRunner, ParsesTheToolsErrorLines) {
    const auto refused = OsascriptRunner::parseErrorLine(
        "0:63: execution error: Not authorized to send Apple events to System Events. (-1743)");
    EXPECT_EQ(std::get<std::int64_t>(refused.at(scriptErrorNumberKey)), -1743);
    EXPECT_EQ(std::get<std::string>(refused.at(scriptErrorMessageKey)),
              "Not authorized to send Apple events to System Events.");
    EXPECT_EQ(std::get<std::string>(refused.at(scriptErrorRangeKey)), "NSRange: {0, 63}");

    const auto syntax = OsascriptRunner::parseErrorLine(
        "12:20: syntax error: Expected end of line but found identifier. (-2741)");
    EXPECT_EQ(std::get<std::int64_t>(syntax.at(scriptErrorNumberKey)), -2741);
    EXPECT_EQ(std::get<std::string>(syntax.at(scriptErrorRangeKey)), "NSRange: {12, 8}");

    const auto odd = OsascriptRunner::parseErrorLine("something else");
    EXPECT_EQ(odd.count(scriptErrorNumberKey), 0u);
    EXPECT_EQ(std::get<std::string>(odd.at(scriptErrorMessageKey)), "something else");
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

TEST_F(StandInTool, AFailureBecomesAnErrorDictionary) {
    auto runner = runnerFor(
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
