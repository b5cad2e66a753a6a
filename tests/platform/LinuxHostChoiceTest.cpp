// Which host Swivlo picks, and what the Linux desktop host can do on which desktop.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "platform/host/HostChoice.h"
#include "platform/host/linux/DesktopFacts.h"
#include "platform/host/linux/gnome/GnomeSwitches.h"

namespace swivlo {
namespace {

using linuxhost::DesktopFacts;
using linuxhost::DesktopKind;
using linuxhost::Inhibitor;

TEST(HostChoice, FollowsTheMachineUnlessOverridden) {
    struct Case {
        HostFacts facts;
        std::optional<HostKind> override;
        HostKind expected;
    };
    const HostFacts mac{true, true, true, true};
    const HostFacts gnome{false, true, true, false};
    const Case cases[] = {
        {mac, std::nullopt, HostKind::macos},
        {gnome, std::nullopt, HostKind::linuxDesktop},
        // A session bus alone, or a desktop without one, is no desktop session.
        {{false, true, false, false}, std::nullopt, HostKind::simulated},
        {{false, false, true, true}, std::nullopt, HostKind::simulated},
        // Wayland is always a desktop: sway or weston name none, and may run without a bus.
        {{false, true, false, false, true}, std::nullopt, HostKind::linuxDesktop},
        {{false, false, false, false, true}, std::nullopt, HostKind::linuxDesktop},
        {{false, true, false, false, true}, HostKind::simulated, HostKind::simulated},
        // A window manager of its own, no desktop name: still a desktop session.
        {{false, true, false, true}, std::nullopt, HostKind::linuxDesktop},
        {mac, HostKind::simulated, HostKind::simulated},
        {gnome, HostKind::macos, HostKind::macos},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(chooseHost(c.facts, c.override), c.expected)
            << c.facts.macPrograms << c.facts.sessionBus << c.facts.desktopName
            << c.facts.ewmhWindowManager << c.facts.wayland;
    }
    EXPECT_EQ(hostNamed("simulated"), HostKind::simulated);
    EXPECT_EQ(hostNamed("Linux"), std::nullopt);
}

// Whose switches a session gets, from XDG_CURRENT_DESKTOP as each desktop sets it.
TEST(LinuxDesktops, AreToldApartByTheirName) {
    const std::pair<const char*, DesktopKind> cases[] = {
        {"GNOME", DesktopKind::gnomeShell},
        {"ubuntu:GNOME", DesktopKind::gnomeShell},
        {"GNOME-Classic:GNOME", DesktopKind::gnomeShell},
        {"Budgie:GNOME", DesktopKind::gnomeSettings},
        {"Unity:Unity7:ubuntu", DesktopKind::gnomeSettings},
        {"Pantheon", DesktopKind::gnomeSettings},
        {"XFCE", DesktopKind::xfce},
        {"KDE", DesktopKind::kde},
        {"X-Cinnamon", DesktopKind::other},
        {"", DesktopKind::other},
    };
    for (const auto& [desktop, kind] : cases) {
        EXPECT_EQ(linuxhost::desktopKind(desktop), kind) << desktop;
    }
}

DesktopFacts gnomeOnX11() {
    DesktopFacts facts;
    facts.desktop = QStringLiteral("ubuntu:GNOME");
    facts.showingDesktopHint = facts.gnomeSessionManager = facts.xScreenSaverExtension = true;
    return facts;
}

// What the host offers besides the desktop's own switches, in the order of `capabilities`.
TEST(LinuxCapabilities, FollowWhatTheDesktopHas) {
    const Capability capabilities[] = {Capability::keepAwake, Capability::hideAllWindows,
                                       Capability::stageManager, Capability::hideWidgets};
    struct Case {
        const char* name;
        std::function<void(DesktopFacts&)> change;
        const char* available;  // one letter per capability: y or n
        bool ownWindows;
        const char* inhibitors;
    };
    const Case cases[] = {
        {"GNOME on X11", [](DesktopFacts&) {}, "yynn", true, "org.gnome.SessionManager"},
        {"GNOME on Wayland", [](DesktopFacts& f) { f.wayland = true; }, "ynnn", false,
         "org.gnome.SessionManager"},
        {"GNOME with a screen saver service too: the session manager's",
         [](DesktopFacts& f) { f.screenSaverService = true; }, "yynn", true,
         "org.gnome.SessionManager"},
        {"KDE",
         [](DesktopFacts& f) {
             f = {};
             f.desktop = "KDE";
             f.showingDesktopHint = f.screenSaverService = true;
         },
         "yynn", true, "org.freedesktop.ScreenSaver"},
        {"XFCE: the X screen saver and the power manager",
         [](DesktopFacts& f) {
             f = {};
             f.desktop = "XFCE";
             f.showingDesktopHint = f.xScreenSaverExtension = f.powerManager = true;
         },
         "yynn", true, "XScreenSaverSuspend, org.freedesktop.PowerManagement"},
        {"bare window manager",
         [](DesktopFacts& f) {
             f = {};
             f.showingDesktopHint = f.xScreenSaverExtension = true;
         },
         "yynn", true, "XScreenSaverSuspend"},
        {"no inhibitor at all on Wayland",
         [](DesktopFacts& f) {
             f = {};
             f.wayland = f.xScreenSaverExtension = true;
         },
         "nnnn", false, ""},
    };
    for (const Case& c : cases) {
        DesktopFacts facts = gnomeOnX11();
        c.change(facts);
        std::string available;
        for (const Capability capability : capabilities) {
            const Support support = linuxhost::linuxSupport(capability, facts);
            available += support.available ? 'y' : 'n';
            EXPECT_EQ(support.reason.isEmpty(), support.available) << c.name;
        }
        EXPECT_EQ(available, c.available) << c.name;
        EXPECT_EQ(linuxhost::linuxOwnWindowsSupport(facts).available, c.ownWindows) << c.name;
        EXPECT_EQ(linuxhost::inhibitorName(facts), c.inhibitors) << c.name;
    }
}

// A desktop without a switch for a capability says why, naming what is missing.
TEST(LinuxCapabilities, WithoutTheDesktopsSwitchSayWhy) {
    const std::tuple<const char*, Capability, const char*> cases[] = {
        {"Budgie:GNOME", Capability::autoHideDock, "Needs GNOME Shell"},
        {"Budgie:GNOME", Capability::hideDesktop, "Needs GNOME Shell"},
        {"", Capability::darkMode, "No desktop that has it (XDG_CURRENT_DESKTOP)"},
    };
    for (const auto& [desktop, capability, reason] : cases) {
        DesktopFacts facts;
        facts.desktop = desktop;
        EXPECT_EQ(linuxhost::linuxSupport(capability, facts).reason, reason) << desktop;
    }
}

// Ubuntu's settings panel pairs Yaru themes with their -dark twins, only where the twin exists.
TEST(LinuxDarkMode, PairsOnlyUbuntusThemes) {
    const std::tuple<const char*, bool, const char*> cases[] = {
        {"Yaru", true, "Yaru-dark"},           {"Yaru-dark", false, "Yaru"},
        {"Yaru-blue", true, "Yaru-blue-dark"}, {"Adwaita", true, "Adwaita"},
        {"Yaruish", true, "Yaruish"},
    };
    for (const auto& [theme, dark, expected] : cases) {
        EXPECT_EQ(linuxhost::gnome::gtkThemeFor(theme, dark), expected) << theme << dark;
    }
    QTemporaryDir data;
    ASSERT_TRUE(QDir(data.path()).mkpath("themes/Yaru-blue-dark"));
    qputenv("XDG_DATA_DIRS", data.path().toUtf8());
    qputenv("XDG_DATA_HOME", data.filePath("none").toUtf8());
    EXPECT_TRUE(linuxhost::gnome::themeExists("Yaru-blue-dark"));
    // A custom theme named like Yaru has no twin.
    EXPECT_FALSE(linuxhost::gnome::themeExists("Yaru-custom-dark"));
    EXPECT_FALSE(linuxhost::gnome::themeExists("../themes/Yaru-blue-dark"));
}

// Dash to Dock's settings as a user meets them: on only when the dock gets out of the way on
// an empty desktop.
TEST(LinuxAutoHideDock, ReadsOnOnlyWhenTheDockHidesOnAnEmptyDesktop) {
    const std::tuple<bool, bool, bool, bool> cases[] = {
        // dock-fixed, autohide, intellihide: hides itself
        {false, true, true, false},  // Dash to Dock's defaults: dodges windows only
        {false, true, false, true},   {true, true, false, false},
        {false, false, false, false}, {false, false, true, false},
    };
    for (const auto& [fixed, autohide, intellihide, hides] : cases) {
        EXPECT_EQ(linuxhost::gnome::dockHidesItself(fixed, autohide, intellihide), hides)
            << fixed << autohide << intellihide;
    }
}

TEST(LinuxHideDesktop, TouchesOnlyItsOwnEntry) {
    const QString ding = QStringLiteral("ding@rastersoft.com");
    const std::tuple<QStringList, bool, QStringList> cases[] = {
        {{"a", ding, "b"}, false, {"a", "b"}},      {{"a", "b"}, true, {"a", "b", ding}},
        {{"a", ding, "b"}, true, {"a", ding, "b"}}, {{ding, "a", ding}, false, {"a"}},
        {QStringList{}, false, QStringList{}},
    };
    for (const auto& [list, present, expected] : cases) {
        EXPECT_EQ(linuxhost::gnome::withEntry(list, ding, present), expected)
            << list.join(',').toStdString();
    }
}

}  // namespace
}  // namespace swivlo
