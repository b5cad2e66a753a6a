// How the real app starts and ends as a process: the single-instance lock, the keep-awake child
// that must never outlive it whatever ends it, the descriptors its children could inherit, and
// the display its private X connections go to.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <csignal>
#include <functional>

#include "X11App.h"
#include "X11Stack.h"

// X11 headers last: they define macros (None, Bool, KeyPress...) that clash with Qt names.
#include <X11/Xlib.h>

namespace {

using namespace swivlo::testing::x11;

const QByteArray onlyKeepAwake =
    "[General]\nhiddenSwitchIDs=hide_desktop,hide_widgets,auto_hide_dock,stage_manager,"
    "hide_all_windows,dark_mode,screen_cleaner\n";

// Starts the app with only the Keep Awake row and turns it on; the keep-awake child's pid, or 0
// with a failure that says what went wrong.
qint64 startWithKeepAwakeOn(SwivloProcess& app) {
    const auto icon = app.writePreferences(onlyKeepAwake) ? app.start() : std::nullopt;
    const auto output = [&] {
        return (app.outputReader ? app.outputReader : &app.process)->readAll().toStdString();
    };
    if (!icon || !app.openPanelFromTray(*icon)) {
        ADD_FAILURE() << "no tray icon or panel: " << output();
        return 0;
    }
    const auto keepAwakeChildren = [&] {
        // The simulated host's stand-in for caffeinate.
        return childrenOf(app.process.processId(), QStringLiteral("sleep"));
    };
    // A click that lands while the panel is still being drawn can be missed: try again, but
    // only while no child runs, or the second click would turn it off.
    eventually(
        [&] {
            if (keepAwakeChildren().isEmpty()) {
                SwivloProcess::clickFirstRowControl();
            }
            return eventually([&] { return !keepAwakeChildren().isEmpty(); }, 2000);
        },
        10000);
    const auto children = keepAwakeChildren();
    if (children.size() != 1) {
        ADD_FAILURE() << "keep-awake children: " << children.size() << "\n" << output();
        return 0;
    }
    return children.front();
}

struct Ending {
    const char* name;
    friend void PrintTo(const Ending& ending, std::ostream* os) { *os << ending.name; }
    // Ends the app, or does something it must survive.
    std::function<void(SwivloProcess&, PrivateXSession&, QProcess& outputReader)> act;
    bool survives;
};

class KeepAwakeChildEnds : public ::testing::TestWithParam<Ending> {};

TEST_P(KeepAwakeChildEnds, WhenSwivloEndsHoweverItEnds) {
    PrivateXSession session;
    ASSERT_TRUE(session.isValid());
    SwivloProcess app;
    QProcess outputReader;
    app.outputReader = &outputReader;
    const qint64 child = startWithKeepAwakeOn(app);
    ASSERT_GT(child, 0);

    GetParam().act(app, session, outputReader);
    if (GetParam().survives) {
        EXPECT_FALSE(app.process.waitForFinished(1000));
        ASSERT_EQ(app.process.state(), QProcess::Running);
        EXPECT_FALSE(hasEnded(child));
        app.process.terminate();
    }
    EXPECT_TRUE(app.process.waitForFinished(10000));
    EXPECT_TRUE(eventually([&] { return hasEnded(child); })) << "the keep-awake child lives on";
    outputReader.waitForFinished(5000);  // ends once nobody holds the app's output
}

void signal(SwivloProcess& app, int sig) {
    ::kill(static_cast<pid_t>(app.process.processId()), sig);
}

INSTANTIATE_TEST_SUITE_P(
    Endings, KeepAwakeChildEnds,
    ::testing::Values(
        Ending{"SIGTERM", [](auto& app, auto&, auto&) { signal(app, SIGTERM); }, false},
        Ending{"SIGKILL", [](auto& app, auto&, auto&) { signal(app, SIGKILL); }, false},
        Ending{"XServerKilled",
               [](auto&, PrivateXSession& session, auto&) {
                   ::kill(static_cast<pid_t>(session.serverPid), SIGKILL);
               },
               false},
        // Its reader gone (`swivlo | head`), the next log lines (reading the switches
        // as the panel opens again) are lost and nothing worse.
        Ending{"StandardOutputClosed",
               [](SwivloProcess& app, auto&, QProcess& outputReader) {
                   outputReader.kill();
                   outputReader.waitForFinished();
                   clickAt(trayIcon().value_or(QRect()).center());
                   eventually([] { return !shownPanel(); });
                   app.openPanelFromTray(trayIcon().value_or(QRect()));
               },
               true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LifetimeX11Test, ChildrenInheritNoDescriptorOfSwivlo) {
    SwivloProcess app;
    const qint64 child = startWithKeepAwakeOn(app);
    ASSERT_GT(child, 0);

    const QString swivloFds = QStringLiteral("/proc/%1/fdinfo").arg(app.process.processId());
    for (const QString& fd : QDir(swivloFds).entryList(QDir::Files)) {
        if (fd.toInt() <= 2) {
            continue;
        }
        QFile info(swivloFds + u'/' + fd);
        ASSERT_TRUE(info.open(QIODevice::ReadOnly));
        const QString flags = QString::fromUtf8(info.readAll())
                                  .section(QStringLiteral("flags:"), 1)
                                  .section(u'\n', 0, 0);
        const QString target = QFile::symLinkTarget(
            QStringLiteral("/proc/%1/fd/%2").arg(app.process.processId()).arg(fd));
        EXPECT_TRUE(flags.trimmed().toUInt(nullptr, 8) & O_CLOEXEC)
            << "descriptor " << fd.toStdString() << " (" << target.toStdString()
            << ") would reach every child";
    }
    const QStringList childFds =
        QDir(QStringLiteral("/proc/%1/fd").arg(child)).entryList(QDir::Files | QDir::System);
    EXPECT_EQ(childFds.join(u' ').toStdString(), "0 1 2");
    QFile status(QStringLiteral("/proc/%1/status").arg(child));
    ASSERT_TRUE(status.open(QIODevice::ReadOnly));
    EXPECT_TRUE(status.readAll().contains("\nSigIgn:\t0000000000000000\n"))
        << "nor a signal Swivlo ignores";
}

// What a second start makes of the single-instance lock.
struct LockCase {
    const char* name;
    friend void PrintTo(const LockCase& lock, std::ostream* os) { *os << lock.name; }
    // Prepares the first app, running or not.
    std::function<void(SwivloProcess& first)> prepare;
    int exitCode;  // -1: it keeps running
    const char* says;
};

class SingleInstanceLock : public ::testing::TestWithParam<LockCase> {};

TEST_P(SingleInstanceLock, OnlyALiveSwivloKeepsASecondOneOut) {
    SwivloProcess first;
    GetParam().prepare(first);
    QProcess second;
    second.setProcessEnvironment(first.environment());
    second.start(QStringLiteral(SWIVLO_BINARY), {});
    if (GetParam().exitCode < 0) {
        EXPECT_FALSE(second.waitForFinished(3000)) << second.readAll().toStdString();
        EXPECT_TRUE(trayIcon().has_value());
        second.kill();
        second.waitForFinished();
        return;
    }
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitCode(), GetParam().exitCode);
    EXPECT_TRUE(second.readAllStandardOutput().startsWith(GetParam().says));
    if (first.process.state() == QProcess::Running) {
        EXPECT_TRUE(trayIcon().has_value()) << "the first one runs on";
    }
}

const QString lockName = QStringLiteral("runtime/swivlo.lock");

INSTANTIATE_TEST_SUITE_P(
    Locks, SingleInstanceLock,
    ::testing::Values(LockCase{"HeldByALiveSwivlo", [](auto& first) { ASSERT_TRUE(first.start()); },
                               0, "Swivlo is already running.\n"},
                      LockCase{"LeftByAKilledSwivlo",
                               [](SwivloProcess& first) {
                                   ASSERT_TRUE(first.start());
                                   first.process.kill();
                                   first.process.waitForFinished();
                                   ASSERT_TRUE(QFile::exists(first.home.filePath(lockName)));
                               },
                               -1, ""},
                      LockCase{"AFolderInItsPlace",
                               [](SwivloProcess& first) {
                                   ASSERT_TRUE(QDir(first.home.path()).mkpath(lockName));
                               },
                               1, "\xe2\x9d\x8c Swivlo cannot start: its lock file "}),
    [](const auto& info) { return std::string(info.param.name); });

// True when another client holds the keyboard of `display`.
bool keyboardGrabbed(const QString& display) {
    Display* connection = XOpenDisplay(display.toUtf8().constData());
    if (!connection) {
        return false;
    }
    const int status = XGrabKeyboard(connection, DefaultRootWindow(connection), False,
                                     GrabModeAsync, GrabModeAsync, CurrentTime);
    XUngrabKeyboard(connection, CurrentTime);
    XCloseDisplay(connection);
    return status == AlreadyGrabbed;
}

// The global shortcut's observer and the keyboard grab of screen cleaning connect to the display
// the app's windows are on, also when -display sends those away from $DISPLAY.
TEST(LifetimeX11Test, PrivateConnectionsGoWhereTheWindowsAre) {
    const QString windows = QString::fromUtf8(qgetenv("DISPLAY"));
    PrivateXSession elsewhere(false);
    ASSERT_TRUE(elsewhere.isValid());
    SwivloProcess app;
    ASSERT_TRUE(app.writePreferences(
        "[General]\nhotkeyEnabled=true\nhotkeyKeyCode=1\nhotkeyModifierFlags=786432\n"
        "hiddenSwitchIDs=hide_desktop,hide_widgets,auto_hide_dock,stage_manager,"
        "hide_all_windows,dark_mode,keep_awake\n"));
    app.overrides.insert(QStringLiteral("DISPLAY"), elsewhere.display);
    const auto icon = app.start({QStringLiteral("-display"), windows});
    ASSERT_TRUE(icon);

    EXPECT_TRUE(eventually([] {
        xdotool({"key", "ctrl+alt+s"});
        return eventually([] { return shownPanel().has_value(); }, 500);
    })) << "the shortcut is seen where the windows are";
    ASSERT_TRUE(shownPanel() || app.openPanelFromTray(*icon));
    ASSERT_TRUE(SwivloProcess::clickFirstRowControl());  // Screen Cleaner's Start
    EXPECT_TRUE(eventually([&] { return keyboardGrabbed(windows); }));
    EXPECT_FALSE(keyboardGrabbed(elsewhere.display));

    // The cleaner's watch over the stacking order is on the same display: it rises over a
    // window another client maps there later.
    const ForeignWindow later(0, 0, 200, 200, true);
    ASSERT_TRUE(eventually([&] { return later.isViewable(); }));
    EXPECT_TRUE(eventually([&] { return topmostWindow() != later.id(); }));
}

}  // namespace
