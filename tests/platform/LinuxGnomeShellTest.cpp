// The Linux desktop host inside a real GNOME Shell 43 session with Dash to Dock and the desktop
// icons extension, judged by what the shell reports (GetExtensionInfo) and what the screen
// shows (the dock drawn or not). The session starts once; the extensions are enabled the Debian
// way, or the Ubuntu way (by the session mode) when the binary runs with SWIVLO_GNOME_WAY=ubuntu.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "GnomeShell.h"
#include "SwivloCommand.h"

// X11 headers last: they define macros that clash with Qt names.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace swivlo {
namespace {

using namespace testing::x11;

const QString dockSchema = QStringLiteral("org.gnome.shell.extensions.dash-to-dock");
const QString interface = QStringLiteral("org.gnome.desktop.interface");
const QStringList dockKeys = {"dock-fixed", "autohide", "intellihide"};

GnomeShell* shell = nullptr;

class ShellSession : public ::testing::Environment {
public:
    void SetUp() override {
        shell = new GnomeShell(qgetenv("SWIVLO_GNOME_WAY") == "ubuntu");
        ASSERT_TRUE(shell->isReady()) << shell->problem().toStdString();
    }
    void TearDown() override { delete shell; }
};

const auto* registered = ::testing::AddGlobalTestEnvironment(new ShellSession);

// The app on the shell's display and bus, as the Linux desktop host.
void joinShell(SwivloProcess& app, const QProcessEnvironment& extra = {}) {
    // All of it: dconf's clients read the database in XDG_CONFIG_HOME that the service
    // writes, and watch XDG_RUNTIME_DIR for its changes.
    app.overrides.insert(shell->environment());
    app.overrides.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("x11"));
    app.overrides.insert(QStringLiteral("SWIVLO_HOST"), QStringLiteral("linux"));
    app.overrides.insert(extra);
}

const unsigned long background = 0x204a87;

// The share of an area of the screen that is not the desktop's background.
double coverage(int left, int top, int width, int height) {
    Display* display = XOpenDisplay(shell->display().toLatin1().constData());
    if (!display) {
        return -1;
    }
    XImage* image = XGetImage(display, DefaultRootWindow(display), left, top, width, height,
                              AllPlanes, ZPixmap);
    int drawn = 0;
    for (int y = 0; image && y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            drawn += (XGetPixel(image, x, y) & 0xffffff) != background;
        }
    }
    if (image) {
        XDestroyImage(image);
    }
    XCloseDisplay(display);
    return image ? double(drawn) / (width * height) : -1;
}
// The screen's bottom middle, where the dock sits.
double dockCoverage() {
    return coverage(390, 710, 500, 90);
}
bool dockShown() {
    return dockCoverage() > 0.1;
}
class GnomeShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Dash to Dock's defaults: a dock that shows on an empty desktop and dodges windows.
        for (const QString& key : dockKeys) {
            shell->reset(dockSchema, key);
        }
        ASSERT_TRUE(shell->restoreExtensions());
        // The desktop, not the overview the shell may have gone into at start.
        ASSERT_TRUE(eventually([] { return coverage(0, 300, 20, 200) == 0; }));
        ASSERT_TRUE(eventually(dockShown, 10000)) << dockCoverage();
    }
    bool start(const QProcessEnvironment& extra = {}) {
        joinShell(app, extra);
        return startWithoutTray(app, log);
    }
    ProgramRun swivlo(const QStringList& arguments) { return swivloCommand(app, arguments); }
    QString stateOf(const QString& id) { return listedSwitch(app, id)["state"].toString(); }

    SwivloProcess app;
    Output log{app.process};
};

// Installed but not running (Debian installs it disabled; Ubuntu users switch it off): a
// change would do nothing on screen.
TEST_F(GnomeShellTest, AutoHideDockIsUnavailableWhileTheDockIsNotRunning) {
    ASSERT_TRUE(start()) << log.seen().toStdString();
    ASSERT_TRUE(shell->setExtension(GnomeShell::dock, false));
    const QJsonObject listed = listedSwitch(app, "auto_hide_dock");
    const ProgramRun on = swivlo({"--on", "auto_hide_dock"});

    EXPECT_FALSE(listed["available"].toBool());
    EXPECT_EQ(listed["reason"].toString(), "The dock extension is not running");
    EXPECT_EQ(on.exitCode, 1);
    EXPECT_EQ(shell->get(dockSchema, "autohide"), "true");
    EXPECT_EQ(shell->get(dockSchema, "intellihide"), "true") << "dconf changed for nothing";
}

// The desktop icons go and come back in one click each, read from the shell; on Ubuntu the
// session mode enables them and enabled-extensions is empty.
TEST_F(GnomeShellTest, HideDesktopStopsAndStartsTheIconsExtension) {
    ASSERT_TRUE(start()) << log.seen().toStdString();
    EXPECT_EQ(stateOf("hide_desktop"), "off") << "the icons are on screen";

    EXPECT_EQ(swivlo({"--on", "hide_desktop"}).exitCode, 0) << log.seen().toStdString();
    EXPECT_NE(shell->state(GnomeShell::ding), 1);
    EXPECT_EQ(stateOf("hide_desktop"), "on");

    EXPECT_EQ(swivlo({"--off", "hide_desktop"}).exitCode, 0) << log.seen().toStdString();
    EXPECT_EQ(shell->state(GnomeShell::ding), 1);
    EXPECT_EQ(stateOf("hide_desktop"), "off");
}

// The GTK theme follows Dark Mode only to a twin that is installed.
TEST_F(GnomeShellTest, DarkModePairsOnlyWithAnInstalledTwin) {
    ASSERT_TRUE(QDir(shell->home()).mkpath(".themes/Yaru-blue-dark/gtk-3.0"));
    ASSERT_TRUE(start()) << log.seen().toStdString();
    const std::pair<const char*, const char*> cases[] = {
        {"'Yaru-blue'", "'Yaru-blue-dark'"},
        {"'Yaru-custom'", "'Yaru-custom'"},
    };
    for (const auto& [theme, dark] : cases) {
        shell->set(interface, "color-scheme", "'default'");
        shell->set(interface, "gtk-theme", theme);
        EXPECT_EQ(swivlo({"--on", "dark_mode"}).exitCode, 0) << log.seen().toStdString();
        EXPECT_EQ(shell->get(interface, "color-scheme"), "'prefer-dark'");
        EXPECT_EQ(shell->get(interface, "gtk-theme"), dark) << theme;
    }
    shell->reset(interface, "gtk-theme");
    shell->reset(interface, "color-scheme");
}

// Settings that cannot take a change: the switch is unavailable with the reason (or the change
// fails with exit 1 and a log line), never "done", and no schema ends the program.
struct HostileCase {
    const char* name;
    const char* variable;
    const char* value;   // "<schemas>": a schema folder of the case's own
    const char* schema;  // compiled there
    const char* panelId;
    const char* reason;
    friend void PrintTo(const HostileCase& c, std::ostream* os) { *os << c.name; }
};

class GnomeHostileSettings : public ::testing::TestWithParam<HostileCase> {};

TEST_P(GnomeHostileSettings, NeverReportADoneChange) {
    const HostileCase& c = GetParam();
    SwivloProcess app;
    Output log(app.process);
    QProcessEnvironment extra;
    QTemporaryDir schemas;
    QString value = QString::fromLatin1(c.value);
    if (value == "<schemas>") {
        QFile file(schemas.filePath("odd.gschema.xml"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.schema);
        file.close();
        ASSERT_EQ(QProcess::execute("glib-compile-schemas", {schemas.path()}), 0);
        value = schemas.path();
    }
    extra.insert(QString::fromLatin1(c.variable), value);
    joinShell(app, extra);
    ASSERT_TRUE(startWithoutTray(app, log)) << log.seen().toStdString();

    const QJsonObject listed = listedSwitch(app, c.panelId);
    EXPECT_FALSE(listed["available"].toBool());
    EXPECT_EQ(listed["reason"].toString(), c.reason);
    const ProgramRun on = swivlo::testing::x11::swivloCommand(app, {"--on", c.panelId});
    EXPECT_EQ(on.exitCode, 1) << on.out.toStdString();
    EXPECT_EQ(on.err.count('\n'), 1) << on.err.toStdString();
    EXPECT_EQ(app.process.state(), QProcess::Running) << log.seen().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Gnome, GnomeHostileSettings,
    ::testing::Values(
        HostileCase{"NoSettingsBackend", "GSETTINGS_BACKEND", "memory", "", "dark_mode",
                    "No settings service (GSettings keeps changes in memory)"},
        HostileCase{"DockSchemaWithoutAKey", "GSETTINGS_SCHEMA_DIR", "<schemas>",
                    R"(<schemalist><schema id="org.gnome.shell.extensions.dash-to-dock"
                    path="/org/gnome/shell/extensions/dash-to-dock/">
                    <key name="dock-fixed" type="b"><default>false</default></key>
                    <key name="intellihide" type="b"><default>true</default></key>
                    </schema></schemalist>)",
                    "auto_hide_dock", "The dock's settings lack autohide"},
        HostileCase{"ColourSchemeOfAnotherType", "GSETTINGS_SCHEMA_DIR", "<schemas>",
                    R"(<schemalist><schema id="org.gnome.desktop.interface"
                    path="/org/gnome/desktop/interface/">
                    <key name="color-scheme" type="b"><default>false</default></key>
                    </schema></schemalist>)",
                    "dark_mode", "No colour-scheme setting"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace swivlo
