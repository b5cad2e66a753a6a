// Dark Mode, Hide Desktop and Auto Hide Dock on real GNOME Shell, XFCE and KDE Plasma desktops,
// driven through the running Swivlo's command line and judged by what the desktop reports: the
// theme XSETTINGS serves, the dock or panel drawn or not, the shell's extension state,
// plasmashell's own answer. Swivlo is killed while a switch is on and started again: "off" must
// still give back exactly what the user had. And Plasma's tray, clicked where it draws the icon.
#include <gtest/gtest.h>

#include <QColor>
#include <QScopeGuard>
#include <algorithm>
#include <utility>

#include "RealDesktop.h"
#include "SwivloCommand.h"

// X11 headers last: they define macros that clash with Qt names.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace swivlo {
namespace {

using namespace testing::x11;
using Kind = RealDesktop::Kind;

// Each desktop starts once per binary, at its first test; the rows come grouped by desktop, so
// the last one stops when the next starts, and none runs past the binary. The plain tests run
// before the rows, which start with KDE's as the tray test does.
std::unique_ptr<RealDesktop> running;
RealDesktop& desktopOf(Kind kind) {
    if (!running || running->kind() != kind) {
        running.reset();
        running = std::make_unique<RealDesktop>(kind);
    }
    return *running;
}
class StopTheLast : public ::testing::Environment {
    void TearDown() override { running.reset(); }
};
[[maybe_unused]] const auto* const stopTheLast =
    ::testing::AddGlobalTestEnvironment(new StopTheLast);

// The GTK theme the X server's XSETTINGS manager serves to every application.
QString servedTheme(const RealDesktop& desktop) {
    static const QRegularExpression line(QStringLiteral("^Net/ThemeName \"(.*)\"$"),
                                         QRegularExpression::MultilineOption);
    return line.match(desktop.run(QStringLiteral("dump_xsettings"), {})).captured(1);
}

// The colours of the screen's `area`: empty when it cannot be read.
std::vector<unsigned long> pixels(const RealDesktop& desktop, QRect area) {
    std::vector<unsigned long> found;
    Display* display = XOpenDisplay(desktop.display().toUtf8().constData());
    XImage* image =
        display ? XGetImage(display, DefaultRootWindow(display), area.x(), area.y(),
                            unsigned(area.width()), unsigned(area.height()), AllPlanes, ZPixmap)
                : nullptr;
    for (int y = 0; image && y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x) {
            found.push_back(XGetPixel(image, x, y) & 0xffffff);
        }
    }
    if (image) {
        XDestroyImage(image);
    }
    if (display) {
        XCloseDisplay(display);
    }
    return found;
}

// Whether the desktop's top left, where both desktops put their icons, shows one colour only:
// the plain backdrop the tests set, and no icon on it.
bool noIconsDrawn(const RealDesktop& desktop) {
    const auto shown = pixels(desktop, QRect(0, 40, 120, 360));
    return !shown.empty() && std::count(shown.begin(), shown.end(), shown[0]) == long(shown.size());
}

// The desktop's top-level windows of `program` with their geometry and map state.
struct ShownWindow {
    QRect rect;
    bool viewable = false;
};
std::vector<ShownWindow> windowsOf(const RealDesktop& desktop, const QString& program) {
    const QRegularExpression line(
        QStringLiteral(
            R"((0x[0-9a-f]+) ".*": \("[^"]*" "%1"\)\s+(\d+)x(\d+)\+-?\d+\+-?\d+\s+\+(-?\d+)\+(-?\d+))")
            .arg(program));
    std::vector<ShownWindow> found;
    const QString tree = desktop.run("xwininfo", {"-display", desktop.display(), "-root", "-tree"});
    for (const QString& text : tree.split('\n')) {
        const auto m = line.match(text);
        if (m.hasMatch()) {
            const QRect rect(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(2).toInt(),
                             m.captured(3).toInt());
            found.push_back(
                {rect,
                 desktop.run("xwininfo", {"-display", desktop.display(), "-id", m.captured(1)})
                     .contains("IsViewable")});
        }
    }
    return found;
}

const QRect screen(0, 0, 1280, 800);

// Debian's XFCE layout: a 27 px top panel with the tray and a 49 px launcher panel, the dock.
bool xfceDockOnScreen(const RealDesktop& desktop) {
    for (const ShownWindow& w : windowsOf(desktop, "Xfce4-panel")) {
        if (w.rect.height() > 40 && w.viewable && screen.intersects(w.rect)) {
            return true;
        }
    }
    return false;
}

// Plasma's default layout: one panel at the bottom, 44 px high; KWin unmaps it while hidden.
bool plasmaPanelShown(const RealDesktop& desktop) {
    for (const ShownWindow& w : windowsOf(desktop, "plasmashell")) {
        if (w.rect.width() == screen.width() && w.rect.height() < 100 && w.viewable) {
            return true;
        }
    }
    return false;
}

QString folderFilter(const RealDesktop& desktop) {
    return desktop.plasmaScript(
        R"(var d = desktops()[0]; d.currentConfigGroup = ["General"];)"
        R"(print(d.readConfig("filterMode", 0) + " " + d.readConfig("filterPattern", "*"));)");
}

QString kdeglobals(const RealDesktop& desktop, const QString& group, const QString& key) {
    return desktop.run("kreadconfig5", {"--file", "kdeglobals", "--group", group, "--key", key});
}

bool darkWindowColour(const RealDesktop& desktop) {
    const QStringList rgb = kdeglobals(desktop, "Colors:Window", "BackgroundNormal").split(',');
    return rgb.size() == 3 &&
           QColor(rgb[0].toInt(), rgb[1].toInt(), rgb[2].toInt()).lightnessF() < 0.5;
}

QString colorScheme(const RealDesktop& desktop) {
    return kdeglobals(desktop, "General", "ColorScheme");
}

bool showsBreezeDark(const RealDesktop& desktop) {
    return colorScheme(desktop) == "BreezeDark" && darkWindowColour(desktop);
}

std::function<void(const RealDesktop&)> applyScheme(const QString& scheme) {
    return [scheme](const RealDesktop& d) { d.run("plasma-apply-colorscheme", {scheme}); };
}

// The share of the screen's bottom middle, where Dash to Dock sits, that is not the plain
// backdrop the GNOME session sets.
double gnomeDockCoverage(const RealDesktop& desktop) {
    const auto shown = pixels(desktop, QRect(390, 710, 500, 90));
    return shown.empty() ? -1
                         : double(shown.size() - std::count(shown.begin(), shown.end(), 0x204a87)) /
                               double(shown.size());
}

const QString dockSchema = QStringLiteral("org.gnome.shell.extensions.dash-to-dock");
const QString gnomeInterface = QStringLiteral("org.gnome.desktop.interface");

QString gnomeDock(const RealDesktop& desktop) {
    QStringList values;
    for (const char* key : {"dock-fixed", "autohide", "intellihide"}) {
        values << desktop.gnome().get(dockSchema, key);
    }
    // A fixed dock takes its height off the work area; the top bar takes less.
    const QStringList area =
        desktop.run("xprop", {"-display", desktop.display(), "-root", "_NET_WORKAREA"})
            .section('=', 1)
            .split(',');
    const bool reserved = area.size() >= 4 && area[3].trimmed().toInt() < screen.height() - 60;
    return values.join(' ') + (gnomeDockCoverage(desktop) > 0.1 ? " drawn" : " gone") +
           (reserved ? " fixed" : "");
}

std::function<void(const RealDesktop&)> setDock(const QString& fixed, const QString& autohide,
                                                const QString& intellihide) {
    return [=](const RealDesktop& d) {
        d.gnome().set(dockSchema, "dock-fixed", fixed);
        d.gnome().set(dockSchema, "autohide", autohide);
        d.gnome().set(dockSchema, "intellihide", intellihide);
    };
}

bool gnomeDockGone(const RealDesktop& desktop) {
    return gnomeDockCoverage(desktop) < 0.01;
}

QString gnomeTheme(const RealDesktop& d) {
    return servedTheme(d) + " " + d.gnome().get(gnomeInterface, "color-scheme");
}

const QString xsettings = QStringLiteral("xsettings");
const QString xfwm4 = QStringLiteral("xfwm4");
const QString xfceDesktop = QStringLiteral("xfce4-desktop");
const QString xfcePanel = QStringLiteral("xfce4-panel");
const QString plainBackdrop =
    QStringLiteral("/backdrop/screen0/monitorscreen/workspace0/image-style");
const QString dockHiding = QStringLiteral("/panels/panel-2/autohide-behavior");

// One switch on one desktop: the user's own values, set with the desktop's tools; what the
// desktop reports of them; what the user sees while the switch is on.
struct RestoreCase {
    const char* name;
    Kind desktop;
    const char* switchId;
    std::function<void(const RealDesktop&)> setFound;
    std::function<QString(const RealDesktop&)> values;
    const char* found;
    std::function<bool(const RealDesktop&)> showsOn;
    friend void PrintTo(const RestoreCase& c, std::ostream* os) { *os << c.name; }
};

class RealDesktopSwitch : public ::testing::TestWithParam<RestoreCase> {};

TEST_P(RealDesktopSwitch, TurnsOnAndGivesBackWhatItFoundAfterAKill) {
    const RestoreCase& c = GetParam();
    RealDesktop& desktop = desktopOf(c.desktop);
    ASSERT_TRUE(desktop.isValid()) << desktop.failure().toStdString();
    c.setFound(desktop);
    // A desktop started just before (or busy redrawing its icons) can take a while to show them.
    ASSERT_TRUE(eventually([&] { return c.values(desktop) == c.found; }, 30000))
        << c.values(desktop).toStdString();
    // "Intelligently" hides the dock while a window covers it: the last test's may still close.
    ASSERT_TRUE(eventually([&] { return !c.showsOn(desktop); }, 10000));

    SwivloProcess app;
    Output log(app.process);
    desktop.host(app);
    ASSERT_TRUE(startWithoutTray(app, log)) << log.seen().toStdString();
    const QJsonObject listed = listedSwitch(app, c.switchId);
    ASSERT_TRUE(listed["available"].toBool()) << listed["reason"].toString().toStdString();
    EXPECT_EQ(listed["state"], "off");

    const ProgramRun on = swivloCommand(app, {"--on", c.switchId});
    EXPECT_EQ(on.exitCode, 0) << on.err.toStdString() << log.seen().toStdString();
    // A desktop under load (the sanitized build, a busy machine) can take long to redraw.
    EXPECT_TRUE(eventually([&] { return c.showsOn(desktop); }, 30000))
        << c.values(desktop).toStdString();
    EXPECT_EQ(listedSwitch(app, c.switchId)["state"], "on");

    app.process.kill();
    app.process.waitForFinished(5000);
    log.forget();
    ASSERT_TRUE(startWithoutTray(app, log)) << log.seen().toStdString();
    // A second "on" must not take Swivlo's own values for the user's.
    EXPECT_EQ(swivloCommand(app, {"--on", c.switchId}).exitCode, 0);
    const ProgramRun off = swivloCommand(app, {"--off", c.switchId});
    EXPECT_EQ(off.exitCode, 0) << off.err.toStdString() << log.seen().toStdString();
    EXPECT_TRUE(
        eventually([&] { return c.values(desktop) == c.found && !c.showsOn(desktop); }, 30000))
        << c.values(desktop).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Desktop, RealDesktopSwitch,
    ::testing::Values(
        RestoreCase{"KdeDarkMode", Kind::kde, "dark_mode", applyScheme("BreezeClassic"),
                    colorScheme, "BreezeClassic", showsBreezeDark},
        // Plasma leaves its default scheme unnamed in kdeglobals.
        RestoreCase{"KdeDarkModeFromTheDefault", Kind::kde, "dark_mode", applyScheme("BreezeLight"),
                    colorScheme, "", showsBreezeDark},
        RestoreCase{
            "KdeHideDesktop", Kind::kde, "hide_desktop",
            [](const RealDesktop& d) {
                d.plasmaScript(R"(var d = desktops()[0]; d.wallpaperPlugin = "org.kde.color";)"
                               R"(d.currentConfigGroup = ["General"];)"
                               R"(d.writeConfig("filterMode", 1);)"
                               R"(d.writeConfig("filterPattern", "*.txt"); d.reloadConfig();)");
            },
            [](const RealDesktop& d) {
                return folderFilter(d) + (noIconsDrawn(d) ? " plain" : " icons");
            },
            "1 *.txt icons",
            [](const RealDesktop& d) { return folderFilter(d) == "2 *" && noIconsDrawn(d); }},
        RestoreCase{
            "KdeAutoHideDock", Kind::kde, "auto_hide_dock",
            [](const RealDesktop& d) { d.plasmaScript(R"(panels()[0].hiding = "windowscover";)"); },
            [](const RealDesktop& d) { return d.plasmaScript("print(panels()[0].hiding)"); },
            "windowscover",
            [](const RealDesktop& d) {
                return d.plasmaScript("print(panels()[0].hiding)") == "autohide" &&
                       !plasmaPanelShown(d);
            }},
        // Dash to Dock's defaults: a dock that dodges windows, on screen on an empty desktop.
        RestoreCase{"GnomeAutoHideDockFromTheDefaults", Kind::gnome, "auto_hide_dock",
                    setDock("false", "true", "true"), gnomeDock, "false true true drawn",
                    gnomeDockGone},
        RestoreCase{"GnomeAutoHideDockFromAFixedDock", Kind::gnome, "auto_hide_dock",
                    setDock("true", "false", "true"), gnomeDock, "true false true drawn fixed",
                    gnomeDockGone},
        // A theme with a dark twin in the user's own theme folder.
        RestoreCase{
            "GnomeDarkMode", Kind::gnome, "dark_mode",
            [](const RealDesktop& d) {
                for (const char* theme : {"Yaru-blue", "Yaru-blue-dark"}) {
                    QDir(d.home()).mkpath(QStringLiteral(".themes/%1/gtk-3.0").arg(theme));
                }
                d.gnome().set(gnomeInterface, "gtk-theme", "'Yaru-blue'");
                // A user who asked for light: off gives that back, not 'default'.
                d.gnome().set(gnomeInterface, "color-scheme", "'prefer-light'");
            },
            gnomeTheme, "Yaru-blue 'prefer-light'",
            [](const RealDesktop& d) { return gnomeTheme(d) == "Yaru-blue-dark 'prefer-dark'"; }},
        RestoreCase{"GnomeHideDesktop", Kind::gnome, "hide_desktop",
                    [](const RealDesktop& d) {
                        QFile note(d.home() + "/Desktop/note.txt");
                        note.open(QIODevice::WriteOnly);
                        d.gnome().restoreExtensions();
                    },
                    [](const RealDesktop& d) {
                        return QString::number(d.gnome().state(GnomeShell::ding)) +
                               (noIconsDrawn(d) ? " plain" : " icons");
                    },
                    "1 icons",
                    [](const RealDesktop& d) {
                        return d.gnome().state(GnomeShell::ding) != 1 && noIconsDrawn(d);
                    }},
        RestoreCase{"XfceDarkMode", Kind::xfce, "dark_mode",
                    [](const RealDesktop& d) {
                        // Debian's default names a theme that is not installed.
                        d.setXfconf(xsettings, "/Net/ThemeName", "string", "Xfce");
                        d.setXfconf(xfwm4, "/general/theme", "string", "Greybird");
                    },
                    [](const RealDesktop& d) {
                        return servedTheme(d) + " " + d.xfconf(xfwm4, "/general/theme");
                    },
                    "Xfce Greybird",
                    [](const RealDesktop& d) {
                        return servedTheme(d) == "Adwaita-dark" &&
                               d.xfconf(xfwm4, "/general/theme") == "Greybird-dark";
                    }},
        RestoreCase{"XfceHideDesktop", Kind::xfce, "hide_desktop",
                    [](const RealDesktop& d) {
                        d.setXfconf(xfceDesktop, plainBackdrop, "int", "0");
                        d.setXfconf(xfceDesktop, "/desktop-icons/style", "int", "2");
                    },
                    [](const RealDesktop& d) {
                        return d.xfconf(xfceDesktop, "/desktop-icons/style") +
                               (noIconsDrawn(d) ? " plain" : " icons");
                    },
                    "2 icons",
                    [](const RealDesktop& d) {
                        return d.xfconf(xfceDesktop, "/desktop-icons/style") == "0" &&
                               noIconsDrawn(d);
                    }},
        RestoreCase{"XfceAutoHideDock", Kind::xfce, "auto_hide_dock",
                    [](const RealDesktop& d) { d.setXfconf(xfcePanel, dockHiding, "uint", "1"); },
                    [](const RealDesktop& d) { return d.xfconf(xfcePanel, dockHiding); }, "1",
                    [](const RealDesktop& d) { return !xfceDockOnScreen(d); }}),
    [](const auto& info) { return info.param.name; });

// Plasma's system tray hosts the icon: one click opens the panel right above it, and a click on
// the icon while it is open closes it for good (not closed by the click, then opened again by
// the tray's Activate). Before any click the panel opens in the corner above the tray's panel,
// after one where the click put it.
TEST(PlasmaTray, EveryWayOfOpeningPlacesThePanelAboveTheIconAndASecondClickClosesIt) {
    RealDesktop& desktop = desktopOf(Kind::kde);
    ASSERT_TRUE(desktop.isValid()) << desktop.failure().toStdString();
    ASSERT_TRUE(eventually([&] { return plasmaPanelShown(desktop); }, 10000));
    const QRect tray(640, screen.height() - 44, 640, 44);
    const auto items = [&] { return watchedTrayItems(desktop); };
    // The tray as drawn once it has stopped changing (it shows its own icons a while after the
    // panel is up).
    const auto settledTray = [&] {
        auto drawn = pixels(desktop, tray);
        eventually(
            [&] {
                QThread::msleep(700);
                return std::exchange(drawn, pixels(desktop, tray)) == drawn;
            },
            20000);
        return drawn;
    };
    SwivloProcess app;
    Output log(app.process);
    desktop.host(app);
    const auto startSwivlo = [&] {
        log.forget();
        return startWithoutTray(app, log) &&
               eventually([&] { return items().contains("StatusNotifierItem"); }, 10000);
    };

    // Where the icon is: the columns that change when Swivlo leaves the tray.
    ASSERT_TRUE(startSwivlo()) << log.seen().toStdString();
    const auto with = settledTray();
    stopProcess(app.process);
    ASSERT_TRUE(eventually([&] { return !items().contains("StatusNotifierItem"); }, 10000));
    const auto without = settledTray();
    std::vector<int> columns;
    for (int x = 0; x < tray.width(); ++x) {
        for (int y = 0; y < tray.height(); ++y) {
            const std::size_t i = std::size_t(y * tray.width() + x);
            if (std::abs(qGray(QRgb(with[i])) - qGray(QRgb(without[i]))) > 60) {
                columns.push_back(tray.x() + x);
                break;
            }
        }
    }
    // The leftmost run of them: the tray grows to the left, and the clock may have moved on.
    std::size_t end = 0;
    while (end + 1 < columns.size() && columns[end + 1] - columns[end] <= 3) {
        ++end;
    }
    ASSERT_FALSE(columns.empty()) << "no icon drawn";
    const QPoint icon((columns.front() + columns[end]) / 2, tray.center().y());
    const auto panel = [&] { return shownPanel(desktop.display()); };
    const auto click = [&] {
        desktop.run("xdotool", {"mousemove", QString::number(icon.x()), QString::number(icon.y()),
                                "click", "1"});
    };
    // A pointer left on the panel would keep it from hiding in the rows after.
    const auto away = qScopeGuard([&] { desktop.run("xdotool", {"mousemove", "640", "300"}); });

    ASSERT_TRUE(startSwivlo()) << log.seen().toStdString();
    // Before any click (the shortcut's way too): the corner above the tray's panel.
    ASSERT_EQ(swivloCommand(app, {"--open-panel"}).exitCode, 0);
    ASSERT_TRUE(eventually([&] { return panel().has_value(); }, 10000));
    EXPECT_EQ(panel()->bottomRight(), QPoint(screen.right(), tray.top() - 5));
    desktop.run("xdotool", {"key", "Escape"});
    ASSERT_TRUE(eventually([&] { return !panel(); }));

    click();
    ASSERT_TRUE(eventually([&] { return panel().has_value(); }, 10000)) << log.seen().toStdString();
    const QRect clicked = *panel();
    EXPECT_EQ(clicked.bottom(), tray.top() - 5);
    EXPECT_LE(clicked.left(), icon.x());
    EXPECT_GE(clicked.right(), icon.x());

    click();
    EXPECT_TRUE(eventually([&] { return !panel(); }));
    EXPECT_FALSE(eventually([&] { return panel().has_value(); }, 1500)) << "opened again";

    // After a click, every way of opening goes where the clicks did (Plasma reports a first
    // click a pixel up and left of the pointer now and then).
    ASSERT_EQ(swivloCommand(app, {"--open-panel"}).exitCode, 0);
    ASSERT_TRUE(eventually([&] { return panel().has_value(); }, 10000));
    EXPECT_LE((panel()->bottomLeft() - clicked.bottomLeft()).manhattanLength(), 2);
}

// A desktop named but its components not running: each switch says what is missing.
TEST(DesktopComponentsMissing, EachSwitchNamesWhatIsMissing) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"XFCE", "dark_mode", "Needs xfsettingsd"},
        {"XFCE", "hide_desktop", "Needs xfdesktop"},
        {"XFCE", "auto_hide_dock", "No panel of XFCE's is running"},
        {"KDE", "dark_mode", "Needs plasmashell"},
        {"KDE", "hide_desktop", "Needs plasmashell"},
        {"KDE", "auto_hide_dock", "Needs plasmashell"},
    };
    QProcess bus;
    bus.start("dbus-daemon", {"--session", "--nofork", "--nopidfile", "--print-address=1"});
    ASSERT_TRUE(bus.waitForReadyRead(10000));
    const QString address = QString::fromUtf8(bus.readLine()).trimmed();
    for (const char* desktop : {"XFCE", "KDE"}) {
        SwivloProcess app;
        Output log(app.process);
        app.overrides.insert("DBUS_SESSION_BUS_ADDRESS", address);
        app.overrides.insert("XDG_CURRENT_DESKTOP", desktop);
        app.overrides.insert("SWIVLO_HOST", "linux");
        ASSERT_TRUE(startWithoutTray(app, log)) << log.seen().toStdString();
        for (const auto& [named, switchId, reason] : cases) {
            if (QString::fromLatin1(named) == desktop) {
                const QJsonObject listed = listedSwitch(app, switchId);
                EXPECT_FALSE(listed["available"].toBool()) << switchId;
                EXPECT_EQ(listed["reason"], reason) << desktop;
            }
        }
    }
    bus.kill();
    bus.waitForFinished();
}

}  // namespace
}  // namespace swivlo
