#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "ProgramRun.h"
#include "app/CommandLine.h"

namespace swivlo {
namespace {

// What the command line asks for. A refusal names what was wrong; a control request says what
// the running Swivlo is asked ("scene Work off": command, target, and off for a scene).
struct ParseCase {
    const char* name;
    QStringList arguments;
    CommandLine::Request request;
    const char* expected = "";  // the error's words, or the control request
};

class CommandLineParseTest : public ::testing::TestWithParam<ParseCase> {};

QString described(const CommandLine& commandLine) {
    using control::Command;
    if (commandLine.request() == CommandLine::Request::Invalid) {
        return commandLine.errorText();
    }
    if (commandLine.request() != CommandLine::Request::Control) {
        return {};
    }
    const control::Request& request = commandLine.controlRequest();
    const char* const names[] = {"list", "toggle", "on", "off", "scene", "open-panel", "settings"};
    QString text = QString::fromLatin1(names[static_cast<int>(request.command)]);
    if (!request.target.isEmpty()) {
        text += u' ' + request.target;
    }
    if (request.off) {
        text += QStringLiteral(" off");
    }
    if (commandLine.json()) {
        text += QStringLiteral(" as json");
    }
    return text;
}

TEST_P(CommandLineParseTest, ReadsWhatTheArgumentsAskFor) {
    QStringList arguments{QStringLiteral("/usr/bin/swivlo")};
    arguments << GetParam().arguments;
    const CommandLine commandLine(arguments);
    EXPECT_EQ(commandLine.request(), GetParam().request) << commandLine.errorText().toStdString();
    const QString text = described(commandLine);
    EXPECT_TRUE(GetParam().request == CommandLine::Request::Invalid
                    ? text.contains(QString::fromUtf8(GetParam().expected))
                    : text == QString::fromUtf8(GetParam().expected))
        << text.toStdString();
}

using Request = CommandLine::Request;
INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLineParseTest,
    ::testing::Values(
        ParseCase{"Nothing", {}, Request::Start}, ParseCase{"ShortHelp", {"-h"}, Request::Help},
        ParseCase{"HelpWinsOverVersion", {"--version", "--help"}, Request::Help},
        // The toolkit's own options are left to it, with their values.
        ParseCase{
            "ToolkitOptions", {"-style", "Fusion", "-platform=xcb", "-reverse"}, Request::Start},
        ParseCase{"Host", {"--host=linux"}, Request::Start},
        ParseCase{"ListAsJson", {"--list", "--json"}, Request::Control, "list as json"},
        ParseCase{"OneDash", {"-toggle", "dark_mode"}, Request::Control, "toggle dark_mode"},
        ParseCase{"OpenPanel", {"--open-panel"}, Request::Control, "open-panel"},
        // A bare --off after or before --scene turns the scene off.
        ParseCase{"SceneOff", {"--scene", "Work", "--off"}, Request::Control, "scene Work off"},
        ParseCase{
            "OffBeforeScene", {"--off", "--scene", "Work"}, Request::Control, "scene Work off"},
        ParseCase{"SwitchOff", {"--off", "dark_mode"}, Request::Control, "off dark_mode"},
        ParseCase{"BareOffWithAnotherCommand",
                  {"--on", "dark_mode", "--off"},
                  Request::Invalid,
                  "--off needs a switch id"},
        ParseCase{"JsonWithAnotherCommand",
                  {"--toggle", "dark_mode", "--json"},
                  Request::Invalid,
                  "--json goes with --list."},
        ParseCase{"ForAlone", {"--for", "5m"}, Request::Invalid, "--for goes with another option."},
        ParseCase{"ForWithToggle",
                  {"--toggle", "keep_awake", "--for", "5m"},
                  Request::Invalid,
                  "--for goes with --on."},
        ParseCase{"BlankSceneName", {"--scene", " "}, Request::Invalid, "An empty id"}),
    [](const auto& info) { return info.param.name; });

struct DurationCase {
    const char* text;
    std::optional<double> seconds;
};

class DurationTest : public ::testing::TestWithParam<DurationCase> {};

TEST_P(DurationTest, WholeSecondsMinutesOrHoursUpToADay) {
    const QStringList arguments{"swivlo", "--on", "keep_awake", "--for", GetParam().text};
    const CommandLine commandLine(arguments);
    EXPECT_EQ(commandLine.request(),
              GetParam().seconds ? CommandLine::Request::Control : CommandLine::Request::Invalid);
    EXPECT_EQ(commandLine.controlRequest().forSeconds, GetParam().seconds);
}

INSTANTIATE_TEST_SUITE_P(Cases, DurationTest,
                         ::testing::Values(DurationCase{"30s", 30}, DurationCase{"90m", 5400},
                                           DurationCase{"2h", 7200}, DurationCase{"24h", 86400},
                                           DurationCase{"25h", {}}, DurationCase{"0m", {}},
                                           DurationCase{"90", {}}, DurationCase{"1.5h", {}},
                                           DurationCase{"-5m", {}}, DurationCase{"1h30m", {}},
                                           DurationCase{"", {}}, DurationCase{"99999999999h", {}}));

using swivlo::testing::x11::ProgramRun;
using swivlo::testing::x11::runProgram;

// The built program with no display at all: anything that opened a window or placed a tray
// icon would fail to start.
class CommandLineProgramTest : public ::testing::Test {
protected:
    ProgramRun run(const QStringList& arguments) {
        auto env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
            env.remove(QString::fromLatin1(name));
        }
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        return runProgram(QStringLiteral(SWIVLO_BINARY), arguments, env, 10000);
    }

    QTemporaryDir runtime;
};

TEST_F(CommandLineProgramTest, HelpAndVersionAnswerWithoutStartingAnything) {
    const ProgramRun help = run({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0) << help.err.toStdString();
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: swivlo [options]\n")))
        << help.out.toStdString();
    EXPECT_TRUE(help.err.isEmpty());

    const ProgramRun version = run({QStringLiteral("-v")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(QRegularExpression(QStringLiteral(R"(^Swivlo \d+\.\d+\.\d+\n)"))
                    .match(version.out)
                    .hasMatch())
        << version.out.toStdString();

    EXPECT_TRUE(QDir(runtime.path()).isEmpty()) << "no single-instance lock was taken";
}

struct Refusal {
    const char* name;
    QStringList arguments;
    const char* says;
    friend void PrintTo(const Refusal& refusal, std::ostream* os) { *os << refusal.name; }
};

class CommandLineRefusalTest : public CommandLineProgramTest,
                               public ::testing::WithParamInterface<Refusal> {};

// A wrong command line is one line on standard error and status 2, and reaches no Swivlo.
TEST_P(CommandLineRefusalTest, OneLineAndStatusTwo) {
    const ProgramRun result = run(GetParam().arguments);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.out.isEmpty()) << result.out.toStdString();
    EXPECT_EQ(result.err.count(QLatin1Char('\n')), 1) << result.err.toStdString();
    EXPECT_TRUE(result.err.startsWith(QStringLiteral("swivlo: "))) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains(QString::fromUtf8(GetParam().says)))
        << result.err.toStdString();
    EXPECT_TRUE(QDir(runtime.path()).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLineRefusalTest,
    ::testing::Values(
        Refusal{"UnknownOption", {"--verison"}, "verison"},
        Refusal{"MissingValue", {"-style"}, "Missing value"},
        Refusal{"StrayArgument", {"settings"}, "Unexpected argument 'settings'"},
        Refusal{"UnknownHost", {"--host", "windows"}, "Unknown host 'windows'"},
        Refusal{"BareOff", {"--off"}, "--off needs a switch id"},
        Refusal{"SceneAndSwitchOff", {"--scene", "Work", "--off", "dark_mode"}, "One command"},
        Refusal{"TwoCommands", {"--toggle", "a", "--on", "b"}, "One command"},
        Refusal{"JsonAlone", {"--json"}, "--json goes with another option"},
        Refusal{"ForWithOff", {"--off", "keep_awake", "--for", "5m"}, "--for goes with --on"},
        // Only the last of a repeated option would be done.
        Refusal{"TwoOn", {"--on", "dark_mode", "--on", "hide_desktop"}, "--on given more"},
        Refusal{"TwoOff", {"--off", "dark_mode", "--off", "hide_desktop"}, "--off given more"},
        Refusal{"TwoToggle", {"--toggle", "dark_mode", "--toggle=keep_awake"}, "--toggle given"},
        Refusal{"TwoScenes", {"--scene", "Work", "--scene", "Play"}, "--scene given more"},
        Refusal{"TwoSceneOffs", {"--scene", "Work", "--off", "--off"}, "--off given more"},
        Refusal{"TwoTimes", {"--on", "keep_awake", "--for", "5m", "--for", "2h"}, "--for given"},
        Refusal{"TwoHosts", {"--host=linux", "--host=simulated"}, "--host given more"}),
    [](const auto& info) { return info.param.name; });

TEST_F(CommandLineProgramTest, StartingWithoutAnyDisplaySaysWhatIsMissingInOneLine) {
    const ProgramRun result = run({});
    EXPECT_EQ(result.exitCode, 1) << "a status, no crash: " << result.err.toStdString();
    EXPECT_EQ(result.out.count(QLatin1Char('\n')), 1) << result.out.toStdString();
    EXPECT_TRUE(result.out.contains(QStringLiteral("no display: DISPLAY is not set")))
        << result.out.toStdString();
    EXPECT_FALSE(result.err.contains(QStringLiteral("Reinstalling"))) << result.err.toStdString();
}

}  // namespace
}  // namespace swivlo
