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

// The output trimmed of white space (no-break and ideographic spaces too), both streams on one
// pipe, and one log line for a success or two for a failure.
TEST_F(ShellRunner, GivesTheTrimmedOutputAndLogsTheStatus) {
    struct Case {
        std::string command;
        std::optional<std::string> output;  // none: not UTF-8
        Lines logged;
    };
    const Case cases[] = {
        {"true", "", {"Command success: true"}},
        {"printf '  two words \\t\\n\\n'", "two words", {}},
        {"printf '\\n\\nline one\\nline two\\n'", "line one\nline two", {}},
        {"printf '\\xc2\\xa0x\\xe3\\x80\\x80'", "x", {}},
        {"echo a; echo b >&2; echo c", "a\nb\nc", {}},
        {"for w in \"a b\" c; do echo \"[$w]\"; done | tr -d '\\n'", "[a b][c]", {}},
        {"echo ' it broke ' >&2; exit 1",
         "it broke",
         {"Command failed: echo ' it broke ' >&2; exit 1", "Error output: it broke"}},
        {"exit 3", "", {"Command failed: exit 3", "Error output: "}},
        {"printf 'ok\\xff'", std::nullopt, {"Command success: printf 'ok\\xff'"}},
        {"printf '\\xc3'; exit 2",
         std::nullopt,
         {"Command failed: printf '\\xc3'; exit 2", "Error output: "}},
    };
    for (const auto& c : cases) {
        log.lines.clear();
        EXPECT_EQ(run(c.command), c.output) << c.command;
        if (!c.logged.empty()) {
            EXPECT_EQ(log.lines, c.logged) << c.command;
        }
    }
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
