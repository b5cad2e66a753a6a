#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "SimulatedHostFixture.h"
#include "platform/host/DesktopHost.h"
#include "platform/host/SimulatedHost.h"

namespace swivlo {
namespace {

ProcessOutcome shell(SimulatedHost& host, const std::string& text) {
    return host.run({"/bin/zsh", {"-c", text}, std::vector<std::string>{"PATH=/usr/bin"}});
}

TEST(SimulatedShell, AnswersLikeTheRealTools) {
    struct Step {
        std::string command;
        int status;
        std::string output;
    };
    // One host, in order: each step sees what the earlier ones wrote.
    const Step steps[] = {
        {"defaults write com.apple.finder CreateDesktop -bool true", 0, ""},
        {"defaults write -g AppleInterfaceStyle Dark", 0, ""},
        {"defaults read NSGlobalDomain AppleInterfaceStyle", 0, "Dark\n"},
        {"defaults write com.apple.finder CreateDesktop -bool maybe", 1,
         "defaults: Unexpected argument maybe; leaving defaults unchanged.\n"},
        {"defaults read com.apple.finder CreateDesktop", 0, "1\n"},
        {"defaults delete com.apple.finder CreateDesktop", 0, ""},
        {"defaults read com.apple.finder CreateDesktop", 1,
         "\nThe domain/default pair of (com.apple.finder, CreateDesktop) does not exist\n"},
        {"killall Finder", 0, ""},
    };
    SimulatedHost host;
    for (const auto& step : steps) {
        const ProcessOutcome outcome = shell(host, step.command);
        EXPECT_TRUE(outcome.launched) << step.command;
        EXPECT_EQ(outcome.exitStatus, step.status) << step.command;
        EXPECT_EQ(outcome.output, step.output) << step.command;
    }
    EXPECT_EQ(host.state().restarts, (std::map<std::string, int>{{"Finder", 1}}));
}

// A Swivlo answering readings for months: the host keeps only the latest of what it ran.
TEST(SimulatedShell, KeepsOnlyTheMostRecentCommands) {
    SimulatedHost host;
    const std::size_t runs = 3 * SimulatedHost::keptEvents + 7;
    for (std::size_t i = 0; i < runs; ++i) {
        shell(host, "defaults read com.apple.finder CreateDesktop");
        host.execute(
            "tell application \"System Events\" to get dark mode of appearance "
            "preferences");
    }
    shell(host, "killall Dock");
    ASSERT_EQ(host.events().size(), SimulatedHost::keptEvents);
    EXPECT_EQ(host.events().back(), "restart: Dock");
    EXPECT_EQ(host.events()[host.events().size() - 4],
              "shell: defaults read com.apple.finder CreateDesktop");
}

TEST(SimulatedHost, ReportsAppearanceChangesOnly) {
    SimulatedHost host;
    int changes = 0;
    QObject::connect(&host, &GlobalDomain::changed, [&] { ++changes; });
    const std::string dark =
        "tell application \"System Events\"\n  tell appearance preferences\n    set dark mode "
        "to true\n  end tell\nend tell";
    host.execute(dark);
    EXPECT_EQ(changes, 1);
    host.execute(dark);  // already dark
    EXPECT_EQ(changes, 1);
    shell(host, "defaults delete -g AppleInterfaceStyle");
    EXPECT_EQ(changes, 2);
}

class StateFile : public ::testing::Test {
protected:
    QString path() const { return dir.path() + "/swivlo/simulated-host.json"; }
    QTemporaryDir dir;
};

TEST_F(StateFile, ReadingsAfterARestartGiveWhatWasWritten) {
    {
        SimulatedHost host(path());
        shell(host, "defaults write com.apple.WindowManager GloballyEnabled -bool true");
        shell(host, "defaults write com.apple.WindowManager StandardHideWidgets -int 1");
        host.setAutomationPermitted(false);
    }
    SimulatedHost restarted(path());
    EXPECT_EQ(shell(restarted, "defaults read com.apple.WindowManager GloballyEnabled").output,
              "1\n");
    EXPECT_EQ(restarted.state().value("com.apple.WindowManager", "StandardHideWidgets"),
              QVariant(qint64(1)));
    EXPECT_FALSE(restarted.state().automationPermitted);
}

TEST_F(StateFile, AnEditWhileRunningIsPickedUp) {
    SimulatedHost host(path());
    int changes = 0;
    QObject::connect(&host, &GlobalDomain::changed, [&] { ++changes; });
    shell(host, "defaults write com.apple.finder CreateDesktop -bool true");

    SimulatedHostState edited = host.state();
    edited.automationPermitted = false;
    edited.setValue(SimulatedHostState::globalDomain, "AppleInterfaceStyle", QString("Dark"));
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    // Differently sized than before, so the change shows even within one timestamp tick.
    file.write(edited.toJson() + "\n\n");
    file.close();

    const auto outcome =
        host.execute("tell application \"System Events\" to get autohide of dock preferences");
    EXPECT_EQ(std::get<std::int64_t>(outcome.error.at(scriptErrorNumberKey)), -1743);
    EXPECT_EQ(changes, 1);
}

TEST_F(StateFile, AnUnreadableFileKeepsTheHostWorking) {
    QDir().mkpath(dir.path() + "/swivlo");
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not json");
    file.close();
    SimulatedHost host(path());
    EXPECT_TRUE(host.state().automationPermitted);
    EXPECT_EQ(shell(host, "defaults write com.apple.finder CreateDesktop -bool false").exitStatus,
              0);
    EXPECT_EQ(SimulatedHost(path()).state().value("com.apple.finder", "CreateDesktop"),
              QVariant(false));
}

TEST(SimulatedHostStatePath, FollowsXdgStateHome) {
    const QByteArray saved = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", "/tmp/state-here");
    EXPECT_EQ(simulatedHostStatePath(), "/tmp/state-here/swivlo/simulated-host.json");
    for (const char* value : {"relative/ignored", ""}) {
        qputenv("XDG_STATE_HOME", value);
        EXPECT_EQ(simulatedHostStatePath(),
                  QDir::homePath() + "/.local/state/swivlo/simulated-host.json");
    }
    if (!saved.isNull()) {
        qputenv("XDG_STATE_HOME", saved);
    }
}

// Without automation permission a change made through a script does not happen, and the
// switch hears so rather than "done".
TEST(MacHost, ScriptedChangesWithoutPermissionAreRefused) {
    for (const Capability capability : {Capability::autoHideDock, Capability::darkMode}) {
        testing::SimulatedHostFixture host;
        host.host.setAutomationPermitted(false);
        EXPECT_EQ(host.mac.set(capability, true), Change::refused);
        host.host.setAutomationPermitted(true);
        EXPECT_FALSE(host.mac.read({capability})[capability]);
        EXPECT_EQ(host.mac.set(capability, true), Change::done);
    }
}

}  // namespace
}  // namespace swivlo
