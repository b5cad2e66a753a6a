// Dark Mode, Hide Desktop and Auto Hide Dock on real GNOME Shell, XFCE and KDE Plasma desktops,
// driven through the running Swivlo's command line and judged by what the desktop reports: the
// theme XSETTINGS serves, the dock or panel drawn or not, the shell's extension state,
// plasmashell's own answer. Swivlo is killed while a switch is on and started again: "off" must
// still give back exactly what the user had.
#include <gtest/gtest.h>

#include <QColor>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "RealDesktop.h"
#include "SwivloCommand.h"

// X11 headers last: they define macros that clash with Qt names.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace swivlo {
namespace {

using namespace testing::x11;
using Kind = RealDesktop::Kind;

// Each desktop starts once per binary, at its first test; the rows come grouped by desktop, so
// the last one stops when the next starts, and none runs past the binary.
class Desktops : public ::testing::Environment {
public:
    static RealDesktop& get(Kind kind) {
        auto& desktop = started();
        if (!desktop || desktop->first != kind) {
            desktop.reset();
            desktop = std::make_unique<std::pair<Kind, RealDesktop>>(
                std::piecewise_construct, std::forward_as_tuple(kind), std::forward_as_tuple(kind));
        }
        return desktop->second;
    }
    void TearDown() override { started().reset(); }

private:
    static std::unique_ptr<std::pair<Kind, RealDesktop>>& started() {
        static std::unique_ptr<std::pair<Kind, RealDesktop>> desktop;
        return desktop;
    }
};
[[maybe_unused]] const auto* const desktops = ::testing::AddGlobalTestEnvironment(new Desktops);

// Swivlo on a desktop, driven by its command line.
class Swivlo {
public:
    explicit Swivlo(const RealDesktop& desktop) { desktop.host(app_); }
    explicit Swivlo(const QProcessEnvironment& overrides) { app_.overrides = overrides; }
    ~Swivlo() { stop(); }

    ProgramRun command(const QStringList& arguments) { return swivloCommand(app_, arguments); }
    // Starts it and waits until it answers; its panel and tray are not needed.
    bool start() {
        app_.process.setProcessEnvironment(app_.environment());
        app_.process.setProcessChannelMode(QProcess::MergedChannels);
        app_.process.start(app_.program, {});
        return app_.process.waitForStarted() &&
               eventually([&] { return command({"--list"}).exitCode == 0; }, 30000);
    }
    void kill() {
        ::kill(static_cast<pid_t>(app_.process.processId()), SIGKILL);
        app_.process.waitForFinished(5000);
    }
    void stop() {
        if (app_.process.state() != QProcess::NotRunning) {
            app_.process.terminate();
            app_.process.waitForFinished(10000);
        }
    }
    QString output() {
        app_.process.waitForReadyRead(200);
        return QString::fromUtf8(app_.process.readAll());
    }

    QJsonObject listed(const QString& id) { return listedSwitch(app_, id); }

private:
    SwivloProcess app_;
};

// The GTK theme the X server's XSETTINGS manager serves to every application.
QString servedTheme(const RealDesktop& desktop) {
    Display* display = XOpenDisplay(desktop.display().toUtf8().constData());
    if (!display) {
        return {};
    }
    QString theme;
    const Window owner = XGetSelectionOwner(display, XInternAtom(display, "_XSETTINGS_S0", False));
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long left = 0;
    unsigned char* data = nullptr;
    const Atom settings = XInternAtom(display, "_XSETTINGS_SETTINGS", False);
    if (owner != None &&
        XGetWindowProperty(display, owner, settings, 0, 1 << 16, False, settings, &type, &format,
                           &count, &left, &data) == Success &&
        data) {
        // Each setting: type, name length and name (padded to 4), serial, then for a string
        // its length and bytes (padded to 4). The server's byte order is the first byte.
        const QByteArray bytes(reinterpret_cast<const char*>(data), int(count));
        const bool big = bytes[0] == 'B';
        auto word = [&](int at, int size) {
            quint32 v = 0;
            for (int i = 0; i < size; ++i) {
                const int b = big ? at + i : at + size - 1 - i;
                v = (v << 8) | quint8(bytes[b]);
            }
            return v;
        };
        const auto padded = [](quint32 n) { return int((n + 3) & ~3U); };
        int at = 12;
        for (quint32 i = 0, n = word(8, 4); i < n && at + 8 <= bytes.size(); ++i) {
            const int kind = quint8(bytes[at]);
            const quint32 nameLength = word(at + 2, 2);
            const QByteArray name = bytes.mid(at + 4, int(nameLength));
            at += 4 + padded(nameLength) + 4;
            if (kind == 1) {  // string
                const quint32 length = word(at, 4);
                if (name == "Net/ThemeName") {
                    theme = QString::fromUtf8(bytes.mid(at + 4, int(length)));
                }
                at += 4 + padded(length);
            } else {
                at += kind == 2 ? 8 : 4;  // a colour or an integer
            }
        }
    }
    if (data) {
        XFree(data);
    }
    XCloseDisplay(display);
    return theme;
}

// Whether the desktop's top left, where both desktops put their icons, shows one colour only:
// the plain backdrop the tests set, and no icon on it.
bool noIconsDrawn(const RealDesktop& desktop) {
    Display* display = XOpenDisplay(desktop.display().toUtf8().constData());
    if (!display) {
        return false;
    }
    XImage* image =
        XGetImage(display, DefaultRootWindow(display), 0, 40, 120, 360, AllPlanes, ZPixmap);
    bool plain = image != nullptr;
    for (int y = 0; plain && y < image->height; ++y) {
        for (int x = 0; plain && x < image->width; ++x) {
            plain = XGetPixel(image, x, y) == XGetPixel(image, 0, 0);
        }
    }
    if (image) {
        XDestroyImage(image);
    }
    XCloseDisplay(display);
    return plain;
}

// The desktop's top-level windows of `program` with their geometry and map state.
struct ShownWindow {
    QRect rect;
    bool viewable = false;
};
std::vector<ShownWindow> windowsOf(const RealDesktop& desktop, const QString& program) {
    static const QRegularExpression line(
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
    Display* display = XOpenDisplay(desktop.display().toUtf8().constData());
    if (!display) {
        return -1;
    }
    const QRect area(390, 710, 500, 90);
    XImage* image = XGetImage(display, DefaultRootWindow(display), area.x(), area.y(),
                              unsigned(area.width()), unsigned(area.height()), AllPlanes, ZPixmap);
    int drawn = 0;
    for (int y = 0; image && y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x) {
            drawn += (XGetPixel(image, x, y) & 0xffffff) != 0x204a87;
        }
    }
    if (image) {
        XDestroyImage(image);
    }
    XCloseDisplay(display);
    return image ? double(drawn) / (area.width() * area.height()) : -1;
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
    RealDesktop& desktop = Desktops::get(c.desktop);
    ASSERT_TRUE(desktop.isValid()) << desktop.failure().toStdString();
    c.setFound(desktop);
    // A desktop started just before (or busy redrawing its icons) can take a while to show them.
    ASSERT_TRUE(eventually([&] { return c.values(desktop) == c.found; }, 30000))
        << c.values(desktop).toStdString();
    // "Intelligently" hides the dock while a window covers it: the last test's may still close.
    ASSERT_TRUE(eventually([&] { return !c.showsOn(desktop); }, 10000));

    Swivlo swivlo(desktop);
    ASSERT_TRUE(swivlo.start()) << swivlo.output().toStdString();
    const QJsonObject listed = swivlo.listed(c.switchId);
    ASSERT_TRUE(listed["available"].toBool()) << listed["reason"].toString().toStdString();
    EXPECT_EQ(listed["state"], "off");

    const ProgramRun on = swivlo.command({"--on", c.switchId});
    EXPECT_EQ(on.exitCode, 0) << on.err.toStdString() << swivlo.output().toStdString();
    EXPECT_TRUE(eventually([&] { return c.showsOn(desktop); }, 10000))
        << c.values(desktop).toStdString();
    EXPECT_EQ(swivlo.listed(c.switchId)["state"], "on");

    swivlo.kill();
    ASSERT_TRUE(swivlo.start()) << swivlo.output().toStdString();
    const ProgramRun off = swivlo.command({"--off", c.switchId});
    EXPECT_EQ(off.exitCode, 0) << off.err.toStdString() << swivlo.output().toStdString();
    EXPECT_TRUE(
        eventually([&] { return c.values(desktop) == c.found && !c.showsOn(desktop); }, 10000))
        << c.values(desktop).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Desktop, RealDesktopSwitch,
    ::testing::Values(
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
                    [](const RealDesktop& d) { return !xfceDockOnScreen(d); }},
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
            }}),
    [](const auto& info) { return info.param.name; });

// A desktop named but its components not running: each switch says what is missing.
TEST(DesktopComponentsMissing, EachSwitchNamesWhatIsMissing) {
    struct Case {
        const char* desktop;
        const char* switchId;
        const char* reason;
    };
    const Case cases[] = {
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
        QProcessEnvironment overrides;
        overrides.insert("DBUS_SESSION_BUS_ADDRESS", address);
        overrides.insert("XDG_CURRENT_DESKTOP", desktop);
        overrides.insert("SWIVLO_HOST", "linux");
        Swivlo swivlo(overrides);
        ASSERT_TRUE(swivlo.start()) << swivlo.output().toStdString();
        for (const Case& c : cases) {
            if (QString::fromLatin1(c.desktop) == desktop) {
                const QJsonObject listed = swivlo.listed(c.switchId);
                EXPECT_FALSE(listed["available"].toBool()) << c.switchId;
                EXPECT_EQ(listed["reason"], c.reason) << desktop;
            }
        }
    }
    bus.kill();
    bus.waitForFinished();
}

}  // namespace
}  // namespace swivlo
