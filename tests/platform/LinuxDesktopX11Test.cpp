// The Linux desktop host in the running app, against the desktop's real components: dconf on a
// private session bus with the real schemas, read and written with the gsettings command; a
// recording idle inhibitor on that bus; the X server's screen saver; openbox's show-desktop.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include "DesktopSession.h"
#include "SwivloCommand.h"
#include "X11App.h"

// X11 headers last: they define macros that clash with Qt names.
#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>

namespace swivlo {
namespace {

using namespace testing::x11;

const QString interface = QStringLiteral("org.gnome.desktop.interface");
const QString dock = QStringLiteral("org.gnome.shell.extensions.dash-to-dock");
const QString shell = QStringLiteral("org.gnome.shell");

// Preferences that leave only `panelId`'s row in the panel.
QByteArray onlyRow(const QString& panelId) {
    QStringList hidden = {"hide_desktop",     "hide_widgets", "auto_hide_dock", "stage_manager",
                          "hide_all_windows", "dark_mode",    "keep_awake",     "screen_cleaner"};
    hidden.removeAll(panelId);
    return "[General]\nhiddenSwitchIDs=" + hidden.join(',').toUtf8() + "\n";
}

// Clicks the one row's control while `before` holds, until `after` does: a click that lands
// while the panel is still being drawn can be missed.
bool clickUntil(const std::function<bool()>& before, const std::function<bool()>& after,
                int settleMs = 3000) {
    return eventually(
        [&] {
            if (before()) {
                SwivloProcess::clickFirstRowControl();
            }
            return eventually(after, settleMs);
        },
        15000);
}

struct Key {
    QString schema;
    QString key;
    QString value;
};
using Keys = std::vector<Key>;

bool holds(const DesktopSession& session, const Keys& keys) {
    for (const Key& k : keys) {
        if (session.get(k.schema, k.key) != k.value) {
            return false;
        }
    }
    return true;
}

std::string show(const DesktopSession& session, const Keys& keys) {
    std::string text;
    for (const Key& k : keys) {
        text += (k.key + "=" + session.get(k.schema, k.key) + " ").toStdString();
    }
    return text;
}

// A switch's settings as found before Swivlo starts, and as its on and off states leave them.
struct SettingsCase {
    const char* name;
    const char* panelId;
    Keys found;  // set before Swivlo starts
    Keys on;
    Keys off;
    friend void PrintTo(const SettingsCase& c, std::ostream* os) { *os << c.name; }
};

// No shell on this bus: its settings say the dock runs.
const Key dockEnabled{shell, "enabled-extensions", "['dash-to-dock@micxgx.gmail.com']"};

// Changed by another program while Swivlo runs: the panel shows it at its next opening, so a
// click turns it back.
class LinuxSettingChangedElsewhere : public ::testing::TestWithParam<SettingsCase> {};

TEST_P(LinuxSettingChangedElsewhere, ShowsAtTheNextOpening) {
    const SettingsCase& c = GetParam();
    SwivloProcess app;
    DesktopSession session(app);
    ASSERT_TRUE(session.isValid());
    for (const Key& k : c.found) {
        session.set(k.schema, k.key, k.value);
    }
    ASSERT_TRUE(app.writePreferences(onlyRow(c.panelId)));
    const auto icon = app.start();
    ASSERT_TRUE(icon);
    for (const Key& k : c.on) {
        session.set(k.schema, k.key, k.value);
    }
    ASSERT_TRUE(app.openPanelFromTray(*icon));
    EXPECT_TRUE(
        clickUntil([&] { return !holds(session, c.off); }, [&] { return holds(session, c.off); }))
        << show(session, c.off);
}

INSTANTIATE_TEST_SUITE_P(
    Desktop, LinuxSettingChangedElsewhere,
    ::testing::Values(SettingsCase{"DarkMode",
                                   "dark_mode",
                                   {{interface, "color-scheme", "'default'"}},
                                   {{interface, "color-scheme", "'prefer-dark'"}},
                                   {{interface, "color-scheme", "'default'"}}},
                      // Nothing found to give back: the dock's own defaults, which show it.
                      SettingsCase{"AutoHideDockFoundHiding",
                                   "auto_hide_dock",
                                   {dockEnabled, {dock, "dock-fixed", "true"}},
                                   {{dock, "dock-fixed", "false"},
                                    {dock, "autohide", "true"},
                                    {dock, "intellihide", "false"}},
                                   {{dock, "dock-fixed", "false"}, {dock, "intellihide", "true"}}}),

    [](const auto& info) { return info.param.name; });

// The mean lightness of what the screen shows in `area`.
double lightness(QRect area) {
    const QImage image = QGuiApplication::primaryScreen()
                             ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                             .toImage();
    double sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            sum += QColor(image.pixel(x, y)).lightnessF();
        }
    }
    return image.isNull() ? -1 : sum / (image.width() * image.height());
}

TEST(LinuxDarkMode, RestylesTheOpenPanelWhenChangedElsewhere) {
    SwivloProcess app;
    DesktopSession session(app);
    ASSERT_TRUE(session.isValid());
    session.set(interface, "color-scheme", "'default'");
    const auto icon = app.start();
    ASSERT_TRUE(icon);
    ASSERT_TRUE(app.openPanelFromTray(*icon));
    const QRect panel = *shownPanel();
    const double light = lightness(panel);
    ASSERT_GT(light, 0.5);
    session.set(interface, "color-scheme", "'prefer-dark'");
    EXPECT_TRUE(eventually([&] { return lightness(panel) < 0.5; })) << lightness(panel);
}

// Each desktop's inhibiting service, and how the start line names the inhibitors.
class LinuxKeepAwake : public ::testing::TestWithParam<std::pair<const char*, const char*>> {};

TEST_P(LinuxKeepAwake, HoldsTheDesktopsInhibitorWhileOn) {
    const auto& [service, inhibitors] = GetParam();
    SwivloProcess app;
    DesktopSession session(app);
    ASSERT_TRUE(session.isValid());
    QProcess recorder;
    recorder.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    session.start(recorder, QStringLiteral("/usr/bin/python3"),
                  {QStringLiteral(SWIVLO_INHIBITOR_SERVICE), QString::fromLatin1(service)});
    Output desktop(recorder);
    ASSERT_TRUE(desktop.shows("ready"));

    ASSERT_TRUE(app.writePreferences(onlyRow("keep_awake")));
    const auto icon = app.start();
    ASSERT_TRUE(icon);
    // Opening looks for the ready line without taking the output the log below reads.
    ASSERT_TRUE(app.openPanelFromTray(*icon));
    Output log(app.process);
    EXPECT_TRUE(log.shows(QStringLiteral("Keep Awake (%1)").arg(inhibitors)))
        << log.seen().toStdString();

    auto step = [&](const char* before, const char* after) {
        return clickUntil([&] { return !desktop.seen().contains(before); },
                          [&] { return desktop.shows(after); });
    };
    EXPECT_TRUE(step("inhibit 1", "inhibit 1"));
    EXPECT_TRUE(step("uninhibit 1", "uninhibit 1"));
    EXPECT_TRUE(step("inhibit 2", "inhibit 2"));
    // Quitting while on gives the hold back.
    app.process.terminate();
    EXPECT_TRUE(desktop.shows("uninhibit 2")) << desktop.seen().toStdString();
    recorder.kill();
    recorder.waitForFinished();
}

INSTANTIATE_TEST_SUITE_P(
    Desktop, LinuxKeepAwake,
    ::testing::Values(
        std::pair{"org.gnome.SessionManager", "org.gnome.SessionManager"},
        std::pair{"org.freedesktop.ScreenSaver", "org.freedesktop.ScreenSaver"},
        // XFCE: xfce4-power-manager suspends on inactivity unless asked, beside the X saver.
        std::pair{"org.freedesktop.PowerManagement",
                  "XScreenSaverSuspend, org.freedesktop.PowerManagement"}),
    [](const auto& info) {
        return QString::fromLatin1(info.param.first).section('.', -1).toStdString();
    });

// A restarted session manager took Swivlo's hold with it: Keep Awake takes it again from the
// new instance, and never sends the old cookie there, where it could name another program's
// hold.
TEST(LinuxKeepAwake, FollowsTheInhibitingServiceAcrossARestart) {
    SwivloProcess app;
    DesktopSession session(app);
    ASSERT_TRUE(session.isValid());
    const QString service = QStringLiteral("org.gnome.SessionManager");
    auto recorder = std::make_unique<QProcess>();
    session.start(*recorder, "/usr/bin/python3", {SWIVLO_INHIBITOR_SERVICE, service});
    ASSERT_TRUE(Output(*recorder).shows("ready"));
    ASSERT_TRUE(app.start());
    Output log(app.process);
    ASSERT_EQ(swivloCommand(app, {"--on", "keep_awake"}).exitCode, 0);

    recorder->kill();
    recorder->waitForFinished();
    // Between the old instance leaving and the new one coming, nothing holds the desktop awake.
    EXPECT_TRUE(eventually([&] { return listedSwitch(app, "keep_awake")["state"] == "off"; }));
    // The new instance counts its cookies from 10.
    session.start(*recorder, "/usr/bin/python3", {SWIVLO_INHIBITOR_SERVICE, service, "10"});
    Output restarted(*recorder);
    ASSERT_TRUE(restarted.shows("ready"));

    EXPECT_EQ(listedSwitch(app, "keep_awake")["state"], "on");
    EXPECT_TRUE(restarted.shows("inhibit 10")) << restarted.seen().toStdString();
    EXPECT_TRUE(log.shows("restarted; the inhibitor is taken again")) << log.seen().toStdString();
    EXPECT_EQ(swivloCommand(app, {"--off", "keep_awake"}).exitCode, 0);
    EXPECT_TRUE(restarted.shows("uninhibit 10")) << restarted.seen().toStdString();
    EXPECT_FALSE(restarted.seen().contains("uninhibit 1\n"));

    // Gone for good: a failure that says so, not a permission Linux never asks for.
    recorder->kill();
    recorder->waitForFinished();
    const ProgramRun on = swivloCommand(app, {"--on", "keep_awake"});
    EXPECT_EQ(on.exitCode, 1);
    EXPECT_TRUE(on.err.contains("Keep Awake did not turn on")) << on.err.toStdString();
    EXPECT_FALSE(on.err.contains("permission")) << on.err.toStdString();
    EXPECT_EQ(listedSwitch(app, "keep_awake")["state"], "off");

    // Back, but refusing: still no hold claimed.
    session.start(*recorder, "/usr/bin/python3", {SWIVLO_INHIBITOR_SERVICE, service, "refuse"});
    Output refusing(*recorder);
    ASSERT_TRUE(refusing.shows("ready"));
    EXPECT_EQ(swivloCommand(app, {"--on", "keep_awake"}).exitCode, 1);
    EXPECT_TRUE(refusing.shows("refused"));
    EXPECT_EQ(listedSwitch(app, "keep_awake")["state"], "off");
    recorder->kill();
    recorder->waitForFinished();
}

// The session bus ends under a running Swivlo: it says so, stays up, and the switches that
// need the bus say why they are unavailable.
TEST(LinuxSessionBus, LossIsLoggedAndSwivloStaysUp) {
    SwivloProcess app;
    DesktopSession session(app);
    ASSERT_TRUE(session.isValid());
    ASSERT_TRUE(app.start());
    Output log(app.process);
    ASSERT_EQ(listedSwitch(app, "dark_mode")["available"], true);

    session.endBus();
    EXPECT_TRUE(log.shows("❌ The session bus is gone")) << log.seen().toStdString();
    const QJsonObject darkMode = listedSwitch(app, "dark_mode");
    EXPECT_EQ(darkMode["available"], false);
    EXPECT_EQ(darkMode["reason"], "The session bus is gone");
    EXPECT_EQ(app.process.state(), QProcess::Running);
}

// The X server's screen saver, set to start after one idle second.
class ScreenSaver {
public:
    ScreenSaver() : display_(XOpenDisplay(nullptr)), info_(XScreenSaverAllocInfo()) {
        XSetScreenSaver(display_, 1, 1, DefaultBlanking, DefaultExposures);
        XSync(display_, False);
    }
    ~ScreenSaver() {
        XSetScreenSaver(display_, 0, 0, DefaultBlanking, DefaultExposures);
        XFree(info_);
        XCloseDisplay(display_);
    }
    ScreenSaver(const ScreenSaver&) = delete;
    ScreenSaver& operator=(const ScreenSaver&) = delete;

    bool active() {
        XScreenSaverQueryInfo(display_, DefaultRootWindow(display_), info_);
        return info_->state == ScreenSaverOn;
    }
    // Idle well past the timeout and the saver still off.
    bool suspended() { return !active() && info_->idle > 1500; }

private:
    Display* display_;
    XScreenSaverInfo* info_;
};

TEST(LinuxKeepAwake, SuspendsTheXScreenSaverOnABareSession) {
    SwivloProcess app;
    DesktopSession session(app, QString());
    ASSERT_TRUE(session.isValid());
    ASSERT_TRUE(app.writePreferences(onlyRow("keep_awake")));
    const auto icon = app.start();
    ASSERT_TRUE(icon);
    ASSERT_TRUE(app.openPanelFromTray(*icon));
    Output log(app.process);
    EXPECT_TRUE(log.shows("Keep Awake (XScreenSaverSuspend)")) << log.seen().toStdString();
    ScreenSaver saver;

    EXPECT_TRUE(
        clickUntil([&] { return !saver.suspended(); }, [&] { return saver.suspended(); }, 5000));
    EXPECT_TRUE(clickUntil([&] { return !saver.active(); }, [&] { return saver.active(); }, 5000));
    EXPECT_TRUE(
        clickUntil([&] { return !saver.suspended(); }, [&] { return saver.suspended(); }, 5000));
    // The suspension belongs to Swivlo's X connection: the server lifts it when Swivlo dies.
    app.process.kill();
    EXPECT_TRUE(eventually([&] { return saver.active(); }));
}

TEST(LinuxHideAllWindows, ShowsTheDesktopThroughTheWindowManager) {
    WindowManager openbox;
    ASSERT_TRUE(openbox.start());
    QProcess other;
    other.start(QStringLiteral("xmessage"), {QStringLiteral("another application")});
    const auto viewable = [] {
        return run(QStringLiteral("xwininfo"), {"-name", "xmessage"}).contains("IsViewable");
    };
    ASSERT_TRUE(eventually(viewable));

    SwivloProcess app;
    DesktopSession session(app, QString());
    ASSERT_TRUE(session.isValid());
    ASSERT_TRUE(app.writePreferences(onlyRow("hide_all_windows")));
    const auto icon = app.start();
    ASSERT_TRUE(icon);
    ASSERT_TRUE(app.openPanelFromTray(*icon));
    EXPECT_TRUE(clickUntil(viewable, [&] { return !viewable(); }));
    EXPECT_TRUE(run(QStringLiteral("xprop"), {"-root", "_NET_SHOWING_DESKTOP"}).contains("= 1"));
    other.kill();
    other.waitForFinished();
}

}  // namespace
}  // namespace swivlo
