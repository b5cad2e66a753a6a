// runShellCommand against the real /bin/zsh.
#include <gtest/gtest.h>

#include <csignal>

#include "fakes/RecordingLog.h"
#include "platform/host/MacHost.h"
#include "platform/host/PosixProcessRunner.h"

namespace swivlo {
namespace {

using Lines = std::vector<std::string>;

class ShellRunner : public ::testing::Test {
protected:
    ShellRunner() { Service<ProcessRunner>::install(&processes); }
    ~ShellRunner() override { Service<ProcessRunner>::install(nullptr); }

    std::optional<std::string> run(const std::string& command) {
        return mac.runShellCommand(command);
    }

    PosixProcessRunner processes;
    testing::RecordingLog log;
    MacHost mac;
};

TEST_F(ShellRunner, EmptyOutputIsTheEmptyStringAndOneSuccessLine) {
    EXPECT_EQ(run("true"), std::optional<std::string>(""));
    EXPECT_EQ(log.lines, (Lines{"Command success: true"}));
}

TEST_F(ShellRunner, OutputIsTrimmed) {
    struct Case {
        const char* command;
        const char* output;
    };
    const Case cases[] = {
        {"printf '1\\n'", "1"},
        {"printf '  two words \\t\\n\\n'", "two words"},
        {"printf '\\n\\nline one\\nline two\\n'", "line one\nline two"},
        // No-break space and an ideographic space are white space too.
        {"printf '\\xc2\\xa0x\\xe3\\x80\\x80'", "x"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(run(c.command), std::optional<std::string>(c.output)) << c.command;
    }
}

TEST_F(ShellRunner, StandardErrorAloneIsTheOutputOfAFailure) {
    const std::string command = "echo ' it broke ' >&2; exit 1";
    EXPECT_EQ(run(command), std::optional<std::string>("it broke"));
    EXPECT_EQ(log.lines, (Lines{"Command failed: " + command, "Error output: it broke"}));
}

TEST_F(ShellRunner, BothStreamsArriveInterleavedOnOnePipe) {
    EXPECT_EQ(run("echo a; echo b >&2; echo c"), std::optional<std::string>("a\nb\nc"));
}

TEST_F(ShellRunner, AFailureWithoutOutputLogsAnEmptyErrorOutput) {
    EXPECT_EQ(run("exit 3"), std::optional<std::string>(""));
    EXPECT_EQ(log.lines, (Lines{"Command failed: exit 3", "Error output: "}));
}

TEST_F(ShellRunner, TheChildEnvironmentIsPathAlone) {
    ::setenv("SWIVLO_SHOULD_NOT_LEAK", "1", 1);
    // What the shell was started with (zsh then exports a few variables of its own).
    EXPECT_EQ(run("e=$(</proc/$$/environ); print -rn -- ${e//$'\\0'/$'\\n'}"),
              std::optional<std::string>("PATH=/usr/bin:/bin:/usr/sbin:/sbin"));
}

TEST_F(ShellRunner, CommandsGetTheDefaultSignalHandlingSwivloIgnores) {
    struct sigaction ignore = {};
    struct sigaction previous = {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGPIPE, &ignore, &previous);
    // With SIGPIPE ignored, `yes` would complain of a broken pipe instead of ending quietly.
    EXPECT_EQ(run("yes | head -n 1"), std::optional<std::string>("y"));
    sigaction(SIGPIPE, &previous, nullptr);
}

TEST_F(ShellRunner, TheCommandIsPassedUnchangedToTheShell) {
    EXPECT_EQ(run("for w in \"a b\" c; do echo \"[$w]\"; done | tr -d '\\n'"),
              std::optional<std::string>("[a b][c]"));
}

TEST_F(ShellRunner, InvalidUtf8IsNoneAndTheStatusIsStillLogged) {
    EXPECT_EQ(run("printf 'ok\\xff'"), std::nullopt);
    EXPECT_EQ(log.lines, (Lines{"Command success: printf 'ok\\xff'"}));
    log.lines.clear();
    EXPECT_EQ(run("printf '\\xc3'; exit 2"), std::nullopt);
    EXPECT_EQ(log.lines, (Lines{"Command failed: printf '\\xc3'; exit 2", "Error output: "}));
}

TEST_F(ShellRunner, SeveralMegabytesOfOutputComplete) {
    // 8 MiB on both streams: far more than a pipe holds, so the reader must drain while waiting.
    const auto output =
        run("head -c 4194304 /dev/zero | tr '\\0' x; head -c 4194304 /dev/zero "
            "| tr '\\0' y >&2");
    ASSERT_TRUE(output.has_value());
    EXPECT_EQ(output->size(), 8u * 1024 * 1024);
    EXPECT_EQ(output->front(), 'x');
    EXPECT_EQ(output->back(), 'y');
}

TEST_F(ShellRunner, AMissingShellLogsTheLaunchFailureAndGivesNone) {
    processes.redirectExecutable("/bin/zsh", "/nonexistent/zsh");
    EXPECT_EQ(run("true"), std::nullopt);
    ASSERT_EQ(log.lines.size(), 1u);
    EXPECT_TRUE(log.lines[0].starts_with("Shell command execution failed: ")) << log.lines[0];
    EXPECT_NE(log.lines[0].find("No such file or directory"), std::string::npos);
}

}  // namespace
}  // namespace swivlo
