// Many shell commands and Keep Awake flips with real child processes: no zombie is left, the
// file-descriptor count does not grow, at most one keep-awake child runs at any time, and
// quitting leaves no child at all. The counts can be lowered with SWIVLO_SOAK_COMMANDS and
// SWIVLO_SOAK_FLIPS for a quick local run.
#include <dirent.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "platform/host/HostTexts.h"
#include "platform/host/MacHost.h"
#include "platform/host/PosixProcessRunner.h"
#include "platform/host/SimulatedHost.h"
#include "platform/testing/RecordingLog.h"

namespace swivlo {
namespace {

int countFromEnvironment(const char* name, int fallback) {
    const char* text = std::getenv(name);
    return text && std::atoi(text) > 0 ? std::atoi(text) : fallback;
}

int openDescriptors() {
    return static_cast<int>(QDir("/proc/self/fd")
                                .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System)
                                .size());
}

struct Children {
    int zombies = 0;
    int keepAwake = 0;  // the stand-in keep-awake tool, "sleep infinity"
    int all = 0;
};

// This process's children, read from /proc.
Children children() {
    Children found;
    const pid_t self = getpid();
    const QStringList entries = QDir("/proc").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        bool isPid = false;
        entry.toInt(&isPid);
        if (!isPid) {
            continue;
        }
        QFile stat("/proc/" + entry + "/stat");
        if (!stat.open(QIODevice::ReadOnly)) {
            continue;
        }
        const QByteArray text = stat.readAll();
        // "pid (comm) state ppid ...": the name may hold spaces, so read after the last ')'.
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.size() < 2 || fields[1].toInt() != self) {
            continue;
        }
        ++found.all;
        found.zombies += fields[0] == "Z";
        QFile cmdline("/proc/" + entry + "/cmdline");
        if (cmdline.open(QIODevice::ReadOnly) && cmdline.readAll().contains("infinity")) {
            ++found.keepAwake;
        }
    }
    return found;
}

// Shell commands go to the real /bin/zsh; the keep-awake child is the simulated host's real
// stand-in process, since this machine has no caffeinate.
class SoakRunner : public ProcessRunner {
public:
    ProcessOutcome run(const ProcessRequest& request) override { return shell.run(request); }
    std::unique_ptr<ChildProcess> launch(const ProcessRequest& request,
                                         std::string& error) override {
        return host.launch(request, error);
    }
    PosixProcessRunner shell;
    SimulatedHost host;
};

TEST(Soak, ShellCommandsAndKeepAwakeFlipsLeaveNoZombieNoDescriptorAndOneChildAtMost) {
    const int commands = countFromEnvironment("SWIVLO_SOAK_COMMANDS", 10000);
    const int flips = countFromEnvironment("SWIVLO_SOAK_FLIPS", 1000);
    SoakRunner runner;
    Service<ProcessRunner>::install(&runner);
    testing::RecordingLog log;
    MacHost tools;

    const std::vector<std::string> texts = {
        "true",
        "echo swivlo",
        "echo oops >&2; exit 3",
        HostTexts::desktopRead,
        HostTexts::desktopWrite(false),
        "printf '\\xff'",
    };
    const int descriptorsBefore = openDescriptors();
    const int commandsPerFlip = std::max(1, commands / std::max(1, flips));
    int maxDescriptors = descriptorsBefore;
    int maxKeepAwake = 0;
    int maxZombies = 0;
    int flipsDone = 0;
    const auto started = std::chrono::steady_clock::now();
    for (int i = 0; i < commands || flipsDone < flips; ++i) {
        if (i < commands) {
            tools.runShellCommand(texts[static_cast<std::size_t>(i) % texts.size()]);
        }
        if (flipsDone < flips && i % commandsPerFlip == 0) {
            tools.set(Capability::keepAwake, flipsDone % 2 == 0);
            // Every so often the child ends by itself; the next "on" must replace it.
            if (flipsDone % 50 == 0 && tools.caffeinateProcess()) {
                kill(static_cast<pid_t>(tools.caffeinateProcess()->pid()), SIGKILL);
            }
            ++flipsDone;
        }
        if (i % 250 == 20) {  // right after a flip, on and off in turn
            const Children now = children();
            maxDescriptors = std::max(maxDescriptors, openDescriptors());
            maxKeepAwake = std::max(maxKeepAwake, now.keepAwake);
            maxZombies = std::max(maxZombies, now.zombies);
            log.lines.clear();
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

    EXPECT_EQ(maxDescriptors, descriptorsBefore);
    EXPECT_LE(maxKeepAwake, 1);
    // A child killed from outside stays a zombie only until the next reading or change.
    EXPECT_LE(maxZombies, 1);

    tools.set(Capability::keepAwake, true);
    ASSERT_TRUE(tools.read({Capability::keepAwake})[Capability::keepAwake]);
    tools.release();
    const Children afterQuit = children();
    EXPECT_EQ(afterQuit.all, 0) << "quitting leaves no child";
    EXPECT_EQ(openDescriptors(), descriptorsBefore);
    std::printf(
        "soak: %d shell commands and %d Keep Awake flips in %.1f s; descriptors %d -> %d "
        "(max %d), keep-awake children max %d, zombies max %d, children after quit %d\n",
        commands, flipsDone, seconds, descriptorsBefore, openDescriptors(), maxDescriptors,
        maxKeepAwake, maxZombies, afterQuit.all);
    Service<ProcessRunner>::install(nullptr);
}

}  // namespace
}  // namespace swivlo
