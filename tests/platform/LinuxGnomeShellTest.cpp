// The Linux desktop host inside a real GNOME Shell 43 session with Dash to Dock, the desktop
// icons and the AppIndicator extensions, judged by what the shell reports (GetExtensionInfo). The
// session starts once; the extensions are enabled the Debian way, or the Ubuntu way (by the session
// mode) when the binary runs with SWIVLO_GNOME_WAY=ubuntu.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "GnomeShell.h"
#include "SwivloCommand.h"
#include "platform/host/linux/GioSettings.h"
#include "platform/host/linux/SessionBus.h"

namespace swivlo {
namespace {

using namespace testing::x11;

const QString dockSchema = QStringLiteral("org.gnome.shell.extensions.dash-to-dock");
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

class GnomeShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Dash to Dock's defaults: a dock that shows on an empty desktop and dodges windows.
        for (const QString& key : dockKeys) {
            shell->reset(dockSchema, key);
        }
        ASSERT_TRUE(shell->restoreExtensions());
    }
    bool start() {
        shell->host(app);
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

// The AppIndicator extension opens an item's menu on a click, never its Activate: the menu's
// first entry opens the panel, under the top bar. At every start: the extension used to drop an
// item it was given by name, now and then, before ever showing it.
TEST_F(GnomeShellTest, OneClickOnTheIconAndOneOnShowPanelOpenThePanelAtEveryStart) {
    const auto panel = [&] { return shownPanel(shell->display()); };
    const auto items = [&] { return watchedTrayItems(*shell); };
    for (int start = 1; start <= 5; ++start) {
        SCOPED_TRACE(start);
        SwivloProcess app;
        Output log{app.process};
        shell->host(app);
        ASSERT_TRUE(startWithoutTray(app, log)) << log.seen().toStdString();
        // Where GNOME 43 draws the icon on this screen, left of the system menu, and the menu's
        // first entry under it. The extension reads the icon and its menu a moment after the
        // item registers: a click before opens nothing, and Escape closes what one did open.
        const bool opened = eventually(
            [&] {
                shell->run("xdotool", {"key", "Escape", "mousemove", "1210", "15", "sleep", "0.3",
                                       "click", "1", "sleep", "0.5", "mousemove", "1132", "62",
                                       "sleep", "0.3", "click", "1"});
                return eventually([&] { return panel().has_value(); }, 2000);
            },
            20000);
        ASSERT_TRUE(opened) << "the extension lists " << items().toStdString();
        EXPECT_EQ(panel()->topLeft(), QPoint(980, 36));
        if (start == 1) {
            // A click on the icon closes the open panel; the extension shows its menu again.
            shell->run("xdotool", {"mousemove", "1210", "15", "click", "1"});
            EXPECT_TRUE(eventually([&] { return !panel(); }, 5000));
            shell->run("xdotool", {"key", "Escape"});
        }
        stopProcess(app.process);
        ASSERT_TRUE(eventually([&] { return !items().contains("StatusNotifierItem"); }, 10000));
    }
}

// dconf cannot store the change (its database is not a file it can replace): the change fails,
// never "done", and the setting stays as it was. The write itself says so too: the panel trusts
// it, where the command line reads the switch back.
TEST_F(GnomeShellTest, AChangeTheSettingsServiceCannotStoreFails) {
    ASSERT_TRUE(start()) << log.seen().toStdString();
    ASSERT_EQ(stateOf("dark_mode"), "off");
    const QProcessEnvironment& session = shell->environment();
    for (const QString& name : session.keys()) {
        qputenv(name.toLocal8Bit().constData(), session.value(name).toLocal8Bit());
    }
    // As the app does: the session's end at tear-down must not end this process.
    linuxhost::sessionbus::watch();
    const auto settings = linuxhost::GioSettings::open("org.gnome.desktop.interface");
    ASSERT_TRUE(settings);
    const QString database = session.value("XDG_CONFIG_HOME") + "/dconf/user";
    ASSERT_TRUE(QFile::rename(database, database + ".kept"));
    ASSERT_TRUE(QDir().mkdir(database));
    const ProgramRun on = swivlo({"--on", "dark_mode"});
    const bool written = settings->write({{"color-scheme", QStringLiteral("prefer-dark")}});
    QDir().rmdir(database);
    QFile::rename(database + ".kept", database);

    EXPECT_EQ(on.exitCode, 1) << on.out.toStdString() << log.seen().toStdString();
    EXPECT_FALSE(written);
    EXPECT_EQ(stateOf("dark_mode"), "off");
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
    QTemporaryDir schemas;
    QString value = QString::fromLatin1(c.value);
    if (value == "<schemas>") {
        QFile file(schemas.filePath("odd.gschema.xml"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.schema);
        file.close();
        ASSERT_EQ(QProcess::execute("glib-compile-schemas", {schemas.path()}), 0);
        value = schemas.path();
    } else if (value == "<empty folder>") {
        value = schemas.path();
    }
    shell->host(app);
    app.overrides.insert(QString::fromLatin1(c.variable), value);
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
        // Neither Dash to Dock nor Ubuntu Dock installed: no dock schema anywhere.
        HostileCase{"NoDockSchema", "XDG_DATA_DIRS", "<empty folder>", "", "auto_hide_dock",
                    "No Dash to Dock or Ubuntu Dock"},
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
