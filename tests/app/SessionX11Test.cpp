// What each session gives the running app. The global shortcut, taken from the desktop by each
// mechanism: the X server's key grab, GNOME's custom keybindings (dconf on a private bus) and
// KDE's real kglobalaccel; the host and shortcut a Wayland session without a desktop name gets;
// the look where the desktop, not the host, says light or dark (real xfconfd, kdeglobals).
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QWidget>
#include <algorithm>

#include "DesktopSession.h"
#include "SwivloCommand.h"

namespace {

using namespace swivlo::testing::x11;

// Takes Control+Alt+S on the X server as another program would, until released; defined at the
// end, after the X11 headers.
void* holdControlAltS();
void release(void* display);

const QByteArray controlOptionS =
    "[General]\nhotkeyEnabled=true\nhotkeyKeyCode=1\nhotkeyModifierFlags=786432\n";

// Another X client: a window of the test's own, noting every key press it gets.
class OtherClient : public QObject {
public:
    OtherClient() {
        window.setWindowTitle(QStringLiteral("Other application"));
        window.setGeometry(100, 300, 300, 200);
        window.installEventFilter(this);
        window.show();
        QCoreApplication::processEvents();
    }
    void focus() {
        focusWindow(window.winId());
        settle();
    }
    // Whether a press of this key reached the window, once the X server's events are in.
    bool gotKey(int key) {
        settle();
        return keys.contains(key);
    }
    QWidget window;
    QList<int> keys;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            keys << static_cast<QKeyEvent*>(event)->key();
        }
        return false;
    }

private:
    static void settle() {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 500) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        }
    }
};

// The shown panel's X window.
unsigned long long panelWindow() {
    static const QRegularExpression line(
        QStringLiteral(R"((0x[0-9a-f]+) "Swivlo": \("swivlo" "Swivlo"\)\s+300x)"));
    const auto m = line.match(run(QStringLiteral("xwininfo"), {"-root", "-tree"}));
    return m.hasMatch() ? m.captured(1).toULongLong(nullptr, 0) : 0;
}

// An X11 session without a desktop: the app takes the combination from the X server.
void bareX11(SwivloProcess& app) {
    for (const char* name :
         {"XDG_CURRENT_DESKTOP", "XDG_SESSION_DESKTOP", "DESKTOP_SESSION", "WAYLAND_DISPLAY"}) {
        app.overrides.insert(QString::fromLatin1(name), QString());
    }
    app.overrides.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("x11"));
}

// Whether the app said `line`, with all it said.
::testing::AssertionResult says(Output& out, const QString& line) {
    return (out.shows(line) ? ::testing::AssertionSuccess() : ::testing::AssertionFailure())
           << out.seen().toStdString();
}

// Starts the app with Control-Option-S stored; whether it said `line`.
::testing::AssertionResult startSaying(SwivloProcess& app, const QString& line) {
    if (!app.writePreferences(controlOptionS) || !app.start()) {
        return ::testing::AssertionFailure() << "no start";
    }
    Output out(app.process);
    return says(out, line);
}

const QString held =
    QStringLiteral("⚠️ The global shortcut does not work: Another program holds this shortcut");

TEST(SessionX11Test, TheGrabKeepsTheKeysFromTheFocusedAppAndASecondPressClosesThePanel) {
    OtherClient other;
    SwivloProcess app;
    bareX11(app);
    ASSERT_TRUE(startSaying(app, QStringLiteral("Global shortcut: a key grab on the X server")));
    other.focus();
    xdotool({"key", "x"});
    ASSERT_TRUE(other.gotKey(Qt::Key_X)) << "the other window has the focus";
    // With Shift added it must not fire: if it did, the exact one right after would close.
    xdotool({"key", "ctrl+alt+shift+s"});
    ASSERT_TRUE(other.gotKey(Qt::Key_S)) << "another combination is the app's own";
    other.keys.clear();
    xdotool({"key", "ctrl+alt+s"});
    ASSERT_TRUE(eventually([] { return shownPanel().has_value(); }));
    EXPECT_FALSE(other.gotKey(Qt::Key_S)) << "the focused application got the shortcut's key";

    const auto panel = panelWindow();
    ASSERT_NE(panel, 0u);
    focusWindow(panel);
    xdotool({"key", "ctrl+alt+s"});
    EXPECT_TRUE(eventually([] { return !shownPanel(); })) << "closed with its own window focused";

    other.focus();
    xdotool({"key", "Num_Lock", "ctrl+alt+s", "Num_Lock"});
    EXPECT_TRUE(eventually([] { return shownPanel().has_value(); })) << "with Num Lock on";
    EXPECT_FALSE(other.gotKey(Qt::Key_S));
}

TEST(SessionX11Test, ACombinationAnotherClientHoldsIsReported) {
    void* holder = holdControlAltS();
    ASSERT_NE(holder, nullptr);

    SwivloProcess app;
    bareX11(app);
    EXPECT_TRUE(startSaying(app, held));
    release(holder);
}

TEST(SessionX11Test, OnGnomeACombinationGnomeAlreadyBindsIsReported) {
    SwivloProcess app;
    DesktopSession gnome(app, QStringLiteral("GNOME"));
    ASSERT_TRUE(gnome.isValid());
    const QString path =
        QStringLiteral("/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/custom0/");
    const QString entry =
        QStringLiteral("org.gnome.settings-daemon.plugins.media-keys.custom-keybinding:") + path;
    gnome.set(entry, "name", "'Terminal'");
    gnome.set(entry, "binding", "'<Primary><Alt>S'");
    gnome.set("org.gnome.settings-daemon.plugins.media-keys", "custom-keybindings",
              "['" + path + "']");
    EXPECT_TRUE(startSaying(app, held + QStringLiteral(": choose another one, or quit it. "
                                                       "(GNOME: Terminal)")));
    EXPECT_EQ(gnome.get("org.gnome.settings-daemon.plugins.media-keys", "custom-keybindings"),
              "['" + path + "']")
        << "the user's own keybinding stays as it was";
}

// GNOME Shell itself with its settings daemon's media keys (tests/support/gnome-shell-session)
// on an X server of its own, which the helpers use while this lives.
class GnomeShell {
public:
    GnomeShell() : previousDisplay_(qgetenv("DISPLAY")) {
        QProcess script;
        script.start(QStringLiteral(SWIVLO_GNOME_SHELL_SESSION), {root.path()});
        script.waitForFinished(90000);
        QFile file(root.filePath(QStringLiteral("env")));
        if (file.open(QIODevice::ReadOnly)) {
            for (const QByteArray& line : file.readAll().split('\n')) {
                const auto at = line.indexOf('=');
                if (at > 0) {
                    env.insert(QString::fromUtf8(line.left(at)),
                               QString::fromUtf8(line.mid(at + 1)));
                }
            }
        }
        ready = script.exitStatus() == QProcess::NormalExit && script.exitCode() == 0;
        if (env.contains(QStringLiteral("DISPLAY"))) {
            qputenv("DISPLAY", env.value(QStringLiteral("DISPLAY")).toUtf8());
        }
    }
    ~GnomeShell() {
        qputenv("DISPLAY", previousDisplay_);
        QFile file(root.filePath(QStringLiteral("pids")));
        if (file.open(QIODevice::ReadOnly)) {
            QList<QByteArray> pids = file.readAll().split('\n');
            std::reverse(pids.begin(), pids.end());
            for (const QByteArray& pid : pids) {
                if (pid.toLongLong() > 0) {
                    ::kill(static_cast<pid_t>(pid.toLongLong()), SIGTERM);
                }
            }
        }
    }
    GnomeShell(const GnomeShell&) = delete;
    GnomeShell& operator=(const GnomeShell&) = delete;

    QTemporaryDir root;
    QProcessEnvironment env;
    bool ready = false;

private:
    QByteArray previousDisplay_;
};

TEST(SessionX11Test, InGnomeShellTheShortcutOpensAndClosesThePanel) {
    GnomeShell shell;
    ASSERT_TRUE(shell.ready) << "GNOME Shell did not come up";
    SwivloProcess app;
    app.overrides.insert(shell.env);
    app.overrides.insert(QStringLiteral("SWIVLO_HOST"), QStringLiteral("linux"));
    const QString config = shell.env.value(QStringLiteral("XDG_CONFIG_HOME"));
    QDir(config).mkpath(QStringLiteral("Swivlo"));
    QFile preferences(config + QStringLiteral("/Swivlo/Swivlo.conf"));
    ASSERT_TRUE(preferences.open(QIODevice::WriteOnly) && preferences.write(controlOptionS) > 0);
    preferences.close();
    Output out(app.process);
    ASSERT_TRUE(startWithoutTray(app, out)) << out.seen().toStdString();
    ASSERT_TRUE(says(out, QStringLiteral("Global shortcut: a GNOME custom keybinding")));

    // The settings daemon picks the new keybinding up in its own time: press until it does.
    EXPECT_TRUE(eventually(
        [] {
            xdotool({"key", "ctrl+alt+s"});
            return eventually([] { return shownPanel().has_value(); }, 1500);
        },
        20000))
        << "the shortcut opens the panel";
    xdotool({"key", "ctrl+alt+s"});
    EXPECT_TRUE(eventually([] { return !shownPanel(); })) << "and closes it";

    app.process.terminate();
    ASSERT_TRUE(app.process.waitForFinished(10000));
    auto environment = QProcessEnvironment::systemEnvironment();
    environment.insert(shell.env);
    EXPECT_EQ(
        runProgram(QStringLiteral("gsettings"),
                   {"get", "org.gnome.settings-daemon.plugins.media-keys", "custom-keybindings"},
                   environment)
            .out.trimmed(),
        QStringLiteral("@as []"));
}

// A program on the session's bus; its trimmed output.
QString onBus(const DesktopSession& session, const QString& program, const QStringList& arguments) {
    QProcess process;
    session.start(process, program, arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// kglobalaccel's D-Bus interface, as KDE's settings and other programs reach it.
QString kglobalaccel(const DesktopSession& session, const QStringList& arguments) {
    return onBus(
        session, QStringLiteral("dbus-send"),
        QStringList{"--session", "--print-reply", "--dest=org.kde.kglobalaccel"} + arguments);
}

// kglobalaccel is started by its bus but does not end with it: stopped here, by its process id.
class KglobalaccelStopper {
public:
    explicit KglobalaccelStopper(const DesktopSession& session) : session_(session) {}
    ~KglobalaccelStopper() {
        const auto m = QRegularExpression(QStringLiteral("uint32 (\\d+)"))
                           .match(onBus(session_, QStringLiteral("dbus-send"),
                                        {"--session", "--print-reply",
                                         "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
                                         "org.freedesktop.DBus.GetConnectionUnixProcessID",
                                         "string:org.kde.kglobalaccel"}));
        if (m.hasMatch()) {
            ::kill(static_cast<pid_t>(m.captured(1).toLongLong()), SIGTERM);
        }
    }

private:
    const DesktopSession& session_;
};

const QString ctrlAltS = QString::number(0x04000000 | 0x08000000 | Qt::Key_S);

TEST(SessionX11Test, OnKdeKglobalaccelHoldsTheShortcutAndReportsItsPresses) {
    SwivloProcess app;
    DesktopSession kde(app, QStringLiteral("KDE"));
    ASSERT_TRUE(kde.isValid());
    KglobalaccelStopper stopper(kde);
    ASSERT_TRUE(startSaying(app, QStringLiteral("Global shortcut: KDE's kglobalaccel")));
    EXPECT_TRUE(kglobalaccel(kde, {"/kglobalaccel", "org.kde.KGlobalAccel.shortcut",
                                   "array:string:swivlo,toggle-panel,Swivlo,x"})
                    .contains(QStringLiteral("int32 ") + ctrlAltS));

    const auto invoke = [&] {
        kglobalaccel(kde, {"/component/swivlo", "org.kde.kglobalaccel.Component.invokeShortcut",
                           "string:toggle-panel"});
    };
    invoke();
    EXPECT_TRUE(eventually([] { return shownPanel().has_value(); }));
    invoke();
    EXPECT_TRUE(eventually([] { return !shownPanel(); }));

    // On X11 kglobalaccel takes the keys from the X server itself.
    xdotool({"key", "ctrl+alt+s"});
    EXPECT_TRUE(eventually([] { return shownPanel().has_value(); })) << "the keys themselves";
}

TEST(SessionX11Test, OnKdeACombinationAnotherComponentHoldsIsReported) {
    SwivloProcess app;
    DesktopSession kde(app, QStringLiteral("KDE"));
    ASSERT_TRUE(kde.isValid());
    KglobalaccelStopper stopper(kde);
    const QStringList other = {"array:string:otherapp,launch,Other app,Launch"};
    kglobalaccel(kde, QStringList{"/kglobalaccel", "org.kde.KGlobalAccel.doRegister"} + other);
    kglobalaccel(kde, QStringList{"/kglobalaccel", "org.kde.KGlobalAccel.setShortcut"} + other +
                          QStringList{"array:int32:" + ctrlAltS, "uint32:6"});
    EXPECT_TRUE(startSaying(app, held));
}

// sway and weston name no desktop; Qt reaches the screen through Xwayland here.
TEST(SessionX11Test, AWaylandSessionWithoutADesktopNameGetsTheLinuxHostAndNoShortcut) {
    SwivloProcess app;
    DesktopSession session(app, QString());
    ASSERT_TRUE(session.isValid());
    for (const char* name : {"SWIVLO_HOST", "XDG_SESSION_DESKTOP", "DESKTOP_SESSION"}) {
        app.overrides.insert(QString::fromLatin1(name), QString());
    }
    app.overrides.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
    app.overrides.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-swivlo-test"));
    app.overrides.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    ASSERT_TRUE(app.writePreferences(controlOptionS));
    ASSERT_TRUE(app.start());
    Output out(app.process);
    ASSERT_TRUE(says(out, QStringLiteral("✅ Swivlo is running")));
    EXPECT_TRUE(
        says(out, QStringLiteral("Host: the Linux desktop host (no desktop name, Wayland)")));
    EXPECT_TRUE(says(out, QStringLiteral("Global shortcut: none: The shortcut cannot work in this "
                                         "session (Wayland)")));

    const ProgramRun run = runProgram(QStringLiteral(SWIVLO_BINARY), {"--toggle", "dark_mode"},
                                      app.environment(), 10000);
    EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
    EXPECT_FALSE(run.out.contains(QStringLiteral("Dark Mode is on"))) << run.out.toStdString();
}

TEST(SessionX11Test, OnXfceTheLookFollowsTheXsettingsTheme) {
    SwivloProcess app;
    DesktopSession xfce(app, QStringLiteral("XFCE"));
    ASSERT_TRUE(xfce.isValid());
    const QStringList theme = {"-c",       "xsettings", "-p",     "/Net/ThemeName",
                               "--create", "-t",        "string", "-s"};
    onBus(xfce, QStringLiteral("xfconf-query"), theme + QStringList{"Greybird-dark"});
    ASSERT_TRUE(app.start());
    Output out(app.process);
    EXPECT_TRUE(says(out, QStringLiteral("Appearance: dark (XSETTINGS theme Greybird-dark)")));

    onBus(xfce, QStringLiteral("xfconf-query"), theme + QStringList{"Greybird"});
    EXPECT_TRUE(says(out, QStringLiteral("Appearance: light (XSETTINGS theme Greybird)")));
}

TEST(SessionX11Test, OnKdeTheLookFollowsTheColourScheme) {
    SwivloProcess app;
    DesktopSession kde(app, QStringLiteral("KDE"));
    ASSERT_TRUE(kde.isValid());
    KglobalaccelStopper stopper(kde);
    auto writeScheme = [&app](const char* name, const char* background) {
        QFile file(app.home.filePath(QStringLiteral("config/kdeglobals")));
        return file.open(QIODevice::WriteOnly) &&
               file.write(QByteArray("[General]\nColorScheme=") + name +
                          "\n\n[Colors:Window]\nBackgroundNormal=" + background + "\n") > 0;
    };
    ASSERT_TRUE(writeScheme("BreezeDark", "32,35,38"));
    ASSERT_TRUE(app.start());
    Output out(app.process);
    EXPECT_TRUE(says(out, QStringLiteral("Appearance: dark (KDE colour scheme BreezeDark)")));

    ASSERT_TRUE(writeScheme("BreezeLight", "239,240,241"));
    EXPECT_TRUE(says(out, QStringLiteral("Appearance: light (KDE colour scheme BreezeLight)")));
}

// X11 headers last: they define macros (KeyPress, None...) that clash with Qt names.
#include <X11/Xlib.h>

void* holdControlAltS() {
    Display* display = XOpenDisplay(nullptr);
    if (display) {
        // S is keycode 39 on the X servers Linux runs.
        XGrabKey(display, 39, ControlMask | Mod1Mask, DefaultRootWindow(display), False,
                 GrabModeAsync, GrabModeAsync);
        XSync(display, False);
    }
    return display;
}

void release(void* display) {
    XCloseDisplay(static_cast<Display*>(display));
}

}  // namespace
