// What XFCE and KDE Plasma can switch, decided from what runs: which switch is offered and why
// not, which theme or colour scheme Dark Mode goes to, and which panel is the dock.
#include <gtest/gtest.h>

#include "platform/host/linux/kde/KdeSupport.h"
#include "platform/host/linux/xfce/XfceSupport.h"

namespace swivlo {
namespace {

// An empty reason: offered.
void expectSupport(const Support& support, const char* reason) {
    EXPECT_EQ(support.available, *reason == '\0') << reason;
    EXPECT_EQ(support.reason, QString::fromUtf8(reason));
}

TEST(XfceSupport, OffersWhatTheRunningComponentsCanShow) {
    using linuxhost::xfce::XfceFacts;
    const XfceFacts all{true, true, true, true, true, true};
    const auto without = [&all](bool XfceFacts::*missing) {
        XfceFacts facts = all;
        facts.*missing = false;
        return facts;
    };
    const std::tuple<XfceFacts, Capability, const char*> cases[] = {
        {all, Capability::darkMode, ""},
        {all, Capability::hideDesktop, ""},
        {all, Capability::autoHideDock, ""},
        {without(&XfceFacts::xfconf), Capability::hideDesktop, "Needs xfconfd"},
        {without(&XfceFacts::settingsDaemon), Capability::darkMode, "Needs xfsettingsd"},
        {without(&XfceFacts::darkTheme), Capability::darkMode, "No dark GTK theme installed"},
        {without(&XfceFacts::desktop), Capability::hideDesktop, "Needs xfdesktop"},
        {without(&XfceFacts::desktop), Capability::autoHideDock, ""},
        {without(&XfceFacts::panel), Capability::autoHideDock, "No panel of XFCE's is running"},
        {without(&XfceFacts::dockPanel), Capability::autoHideDock,
         "No XFCE panel besides the one with the tray"},
        {all, Capability::stageManager, "No Linux counterpart"},
    };
    for (const auto& [facts, capability, reason] : cases) {
        expectSupport(linuxhost::xfce::xfceSupport(capability, facts), reason);
    }
}

TEST(KdeSupport, OffersWhatPlasmaShows) {
    using linuxhost::kde::KdeFacts;
    const KdeFacts all{true, true, true, true};
    const std::tuple<KdeFacts, Capability, const char*> cases[] = {
        {all, Capability::darkMode, ""},
        {all, Capability::hideDesktop, ""},
        {all, Capability::autoHideDock, ""},
        {{false, true, true, true}, Capability::darkMode, "Needs plasmashell"},
        {{true, false, true, true}, Capability::darkMode, "Needs plasma-apply-colorscheme"},
        {{true, true, false, true}, Capability::hideDesktop, "The desktop shows no Folder View"},
        {{true, true, true, false}, Capability::autoHideDock, "No Plasma panel"},
    };
    for (const auto& [facts, capability, reason] : cases) {
        expectSupport(linuxhost::kde::kdeSupport(capability, facts), reason);
    }
}

// Themes and schemes as Debian installs them.
bool installed(const QString& name) {
    static const QStringList names = {
        "Adwaita",  "Adwaita-dark", "Greybird",   "Greybird-dark", "Arc",
        "Arc-Dark", "BreezeLight",  "BreezeDark", "BreezeClassic", "Nord",
        "NordDark", "MateriaLight", "MateriaDark"};
    return names.contains(name);
}

// A theme or scheme, and where Dark Mode's "on" and, with nothing found before, "off" go.
struct TwinCase {
    const char* theme;
    const char* dark;
    const char* light;
};

TEST(XfceThemes, SwitchOnlyToAThemeThatExists) {
    using namespace linuxhost::xfce;
    const TwinCase cases[] = {
        {"Greybird", "Greybird-dark", "Greybird"},
        {"Greybird-dark", "Greybird-dark", "Greybird"},
        {"Arc", "Arc-Dark", "Arc"},
        {"Arc-Dark", "Arc-Dark", "Arc"},
        // No twin: GTK's own dark theme, and back to GTK's own.
        {"Xfce", "Adwaita-dark", "Xfce"},
        {"Custom-dark", "Custom-dark", "Adwaita"},
    };
    for (const TwinCase& c : cases) {
        EXPECT_EQ(darkTwin(c.theme, installed, "Adwaita-dark"), c.dark) << c.theme;
        EXPECT_EQ(lightTwin(c.theme, installed, "Adwaita"), c.light) << c.theme;
    }
    // A window manager theme has no fallback: xfwm4 keeps its own when there is no twin.
    EXPECT_EQ(darkTwin("Default", installed), "");
}

TEST(XfceDock, IsThePanelWithoutTheTray) {
    using linuxhost::xfce::chooseDock;
    using linuxhost::xfce::PanelFacts;
    const PanelFacts menuBar{1, {"applicationsmenu", "tasklist", "systray", "clock"}};
    const PanelFacts launchers{2, {"showdesktop", "launcher", "launcher", "directorymenu"}};
    const PanelFacts pager{3, {"pager"}};
    const PanelFacts statusNotifier{4, {"launcher", "statusnotifier"}};
    EXPECT_EQ(chooseDock({menuBar, launchers}), 2) << "Debian's layout";
    EXPECT_EQ(chooseDock({menuBar, pager, launchers}), 2) << "launchers make the dock";
    EXPECT_EQ(chooseDock({pager, menuBar}), 3);
    EXPECT_EQ(chooseDock({menuBar}), std::nullopt) << "the menu bar is no dock";
    EXPECT_EQ(chooseDock({statusNotifier}), std::nullopt);
    EXPECT_EQ(chooseDock({}), std::nullopt);
}

TEST(KdeColorSchemes, DarkTwinOrBreeze) {
    using namespace linuxhost::kde;
    const TwinCase cases[] = {
        {"BreezeLight", "BreezeDark", "BreezeLight"},
        {"BreezeDark", "BreezeDark", "BreezeLight"},
        {"Nord", "NordDark", "BreezeLight"},
        {"NordDark", "NordDark", "Nord"},
        {"BreezeClassic", "BreezeDark", "BreezeLight"},
    };
    for (const TwinCase& c : cases) {
        EXPECT_EQ(darkScheme(c.theme, installed), c.dark) << c.theme;
        EXPECT_EQ(lightScheme(c.theme, installed), c.light) << c.theme;
    }
    EXPECT_EQ(darkScheme("MateriaLight", installed), "MateriaDark") << "a light scheme's own twin";
    EXPECT_TRUE(isDarkScheme("BreezeDark", std::nullopt));
    EXPECT_FALSE(isDarkScheme("BreezeDark", 0.9)) << "the colours kdeglobals holds decide";
    EXPECT_TRUE(isDarkScheme("Custom", 0.2));
    EXPECT_FALSE(isDarkScheme("", std::nullopt));
}

TEST(KdeDock, IsThePanelWithTheTaskManager) {
    using linuxhost::kde::chooseDock;
    using linuxhost::kde::PlasmaPanel;
    const PlasmaPanel top{7, "top", {"org.kde.plasma.kickoff", "org.kde.plasma.systemtray"}};
    const PlasmaPanel tasks{9, "left", {"org.kde.plasma.icontasks"}};
    const PlasmaPanel bottom{3, "bottom", {"org.kde.plasma.pager"}};
    EXPECT_EQ(chooseDock({top, tasks, bottom}), 9);
    EXPECT_EQ(chooseDock({top, bottom}), 3);
    EXPECT_EQ(chooseDock({top}), 7);
    EXPECT_EQ(chooseDock({}), std::nullopt);
}

}  // namespace
}  // namespace swivlo
