// Which host Swivlo picks, and what the Linux desktop host can do on which desktop.
#include <gtest/gtest.h>

#include "platform/host/HostChoice.h"
#include "platform/host/linux/DesktopFacts.h"
#include "platform/host/linux/DesktopSettings.h"

namespace swivlo {
namespace {

using linuxhost::DesktopFacts;
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
        // A window manager of its own, no desktop name: still a desktop session.
        {{false, true, false, true}, std::nullopt, HostKind::linuxDesktop},
        {mac, HostKind::simulated, HostKind::simulated},
        {gnome, HostKind::macos, HostKind::macos},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(chooseHost(c.facts, c.override), c.expected)
            << c.facts.macPrograms << c.facts.sessionBus << c.facts.desktopName
            << c.facts.ewmhWindowManager;
    }
    EXPECT_EQ(hostNamed("linux"), HostKind::linuxDesktop);
    EXPECT_EQ(hostNamed("macos"), HostKind::macos);
    EXPECT_EQ(hostNamed("simulated"), HostKind::simulated);
    EXPECT_EQ(hostNamed("Linux"), std::nullopt);
}

TEST(HostChoice, NeedsEveryMacProgram) {
    static std::set<std::string> present;
    auto check = [](std::set<std::string> tools) {
        present = std::move(tools);
        return macProgramsPresent([](const std::string& p) { return present.count(p) > 0; });
    };
    EXPECT_TRUE(check({"/bin/zsh", "/usr/bin/defaults", "/usr/bin/osascript"}));
    EXPECT_FALSE(check({"/bin/zsh", "/usr/bin/defaults"}));
    EXPECT_FALSE(check({"/usr/bin/defaults", "/usr/bin/osascript"}));
}

DesktopFacts gnomeOnX11() {
    DesktopFacts facts;
    facts.desktop = QStringLiteral("ubuntu:GNOME");
    facts.colorSchemeKey = facts.dockSchema = facts.desktopIcons = true;
    facts.showingDesktopHint = facts.gnomeSessionManager = facts.xScreenSaverExtension = true;
    return facts;
}

// Which capabilities a desktop gets, in the order of `capabilities`.
TEST(LinuxCapabilities, FollowWhatTheDesktopHas) {
    const Capability capabilities[] = {Capability::darkMode,       Capability::autoHideDock,
                                       Capability::hideDesktop,    Capability::keepAwake,
                                       Capability::hideAllWindows, Capability::stageManager,
                                       Capability::hideWidgets};
    struct Case {
        const char* name;
        std::function<void(DesktopFacts&)> change;
        const char* available;  // one letter per capability: y or n
        bool ownWindows;
        Inhibitor inhibitor;
    };
    const Case cases[] = {
        {"GNOME on X11", [](DesktopFacts&) {}, "yyyyynn", true, Inhibitor::gnomeSession},
        {"GNOME on Wayland", [](DesktopFacts& f) { f.wayland = true; }, "yyyynnn", false,
         Inhibitor::gnomeSession},
        {"KDE",
         [](DesktopFacts& f) {
             f = {};
             f.desktop = "KDE";
             f.colorSchemeKey = f.showingDesktopHint = f.screenSaverService = true;
         },
         "nnnyynn", true, Inhibitor::screenSaverService},
        {"bare window manager",
         [](DesktopFacts& f) {
             f = {};
             f.colorSchemeKey = f.showingDesktopHint = f.xScreenSaverExtension = true;
         },
         "nnnyynn", true, Inhibitor::xScreenSaver},
        {"no inhibitor at all on Wayland",
         [](DesktopFacts& f) {
             f = {};
             f.wayland = f.xScreenSaverExtension = true;
         },
         "nnnnnnn", false, Inhibitor::none},
        {"Budgie with the dock's schema installed", [](DesktopFacts& f) { f.desktop = "Budgie"; },
         "ynnyynn", true, Inhibitor::gnomeSession},
        {"older GNOME without color-scheme", [](DesktopFacts& f) { f.colorSchemeKey = false; },
         "nyyyynn", true, Inhibitor::gnomeSession},
        // GNOME runs a screen saver service too: its session manager's inhibitor is the one
        // that also keeps it from suspending.
        {"GNOME with a screen saver service", [](DesktopFacts& f) { f.screenSaverService = true; },
         "yyyyynn", true, Inhibitor::gnomeSession},
        {"GNOME without a dock", [](DesktopFacts& f) { f.dockSchema = false; }, "ynyyynn", true,
         Inhibitor::gnomeSession},
        {"GNOME without the desktop icons", [](DesktopFacts& f) { f.desktopIcons = false; },
         "yynyynn", true, Inhibitor::gnomeSession},
        {"XFCE with the GNOME extensions' files installed",
         [](DesktopFacts& f) {
             f.desktop = "XFCE";
             f.gnomeSessionManager = false;
             f.screenSaverService = true;
         },
         "nnnyynn", true, Inhibitor::screenSaverService},
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
        EXPECT_EQ(linuxhost::chooseInhibitor(facts), c.inhibitor) << c.name;
    }
}

TEST(LinuxDarkMode, PairsOnlyUbuntusThemes) {
    const std::tuple<const char*, bool, const char*> cases[] = {
        {"Yaru", true, "Yaru-dark"},           {"Yaru-dark", false, "Yaru"},
        {"Yaru-blue", true, "Yaru-blue-dark"}, {"Adwaita", true, "Adwaita"},
        {"Yaruish", true, "Yaruish"},
    };
    for (const auto& [theme, dark, expected] : cases) {
        EXPECT_EQ(linuxhost::gtkThemeFor(theme, dark), expected) << theme << dark;
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
        EXPECT_EQ(linuxhost::withEntry(list, ding, present), expected)
            << list.join(',').toStdString();
    }
}

}  // namespace
}  // namespace swivlo
