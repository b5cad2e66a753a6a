// What Swivlo makes of the session's environment, as display managers and compositors set it.
#include <gtest/gtest.h>

#include "platform/Events.h"
#include "platform/Session.h"
#include "platform/appearance/DesktopColorScheme.h"
#include "platform/hotkey/GnomeKeybinding.h"
#include "platform/hotkey/HotkeyChoice.h"

namespace swivlo {
namespace {

struct SessionCase {
    const char* name;
    SessionEnvironment environment;
    DisplayServer server;
    bool xDisplay;
    DesktopFamily desktop;
    const char* desktopNames;
};

TEST(Session, IsToldFromTheEnvironment) {
    using D = DesktopFamily;
    using S = DisplayServer;
    auto env = [](const char* display, const char* wayland, const char* type, const char* current,
                  const char* sessionDesktop = "", const char* desktopSession = "") {
        return SessionEnvironment{display,        wayland,        type, current,
                                  sessionDesktop, desktopSession, true};
    };
    const SessionCase cases[] = {
        {"GNOME on X11 from GDM", env(":0", "", "x11", "GNOME", "gnome", "gnome"), S::x11, true,
         D::gnome, "GNOME"},
        {"Ubuntu on Wayland with Xwayland",
         env(":0", "wayland-0", "wayland", "ubuntu:GNOME", "ubuntu", "ubuntu"), S::wayland, true,
         D::gnome, "ubuntu:GNOME"},
        {"Plasma on Wayland", env(":1", "wayland-0", "wayland", "KDE", "KDE", "plasmawayland"),
         S::wayland, true, D::kde, "KDE"},
        {"XFCE from LightDM", env(":0", "", "x11", "XFCE", "xfce", "xfce"), S::x11, true, D::xfce,
         "XFCE"},
        {"sway started from a console names no desktop", env("", "wayland-1", "tty", ""),
         S::wayland, false, D::unknown, ""},
        {"weston with Xwayland, no session type", env(":0", "wayland-1", "", ""), S::wayland, true,
         D::unknown, ""},
        {"only the session desktop", env(":0", "", "x11", "", "plasma"), S::x11, true, D::kde,
         "plasma"},
        {"only the session file's path", env(":0", "", "", "", "", "/usr/share/xsessions/gnome"),
         S::x11, true, D::gnome, "gnome"},
        {"an unknown desktop first, a known one after", env(":0", "", "x11", "Budgie:GNOME"),
         S::x11, true, D::gnome, "Budgie:GNOME"},
        {"a bare window manager", env(":5", "", "", ""), S::x11, true, D::unknown, ""},
        {"a desktop name over ssh, no display", env("", "", "tty", "sway"), S::none, false,
         D::other, "sway"},
        {"nothing at all", env("", "", "", ""), S::none, false, D::unknown, ""},
    };
    for (const SessionCase& c : cases) {
        const Session session = Session::from(c.environment);
        EXPECT_EQ(session.server, c.server) << c.name;
        EXPECT_EQ(session.xDisplay, c.xDisplay) << c.name;
        EXPECT_EQ(session.desktop, c.desktop) << c.name;
        EXPECT_EQ(session.desktopNames, QString::fromLatin1(c.desktopNames)) << c.name;
        EXPECT_TRUE(session.sessionBus) << c.name;
    }
}

Session sessionOf(DisplayServer server, DesktopFamily desktop, bool bus = true) {
    Session session;
    session.server = server;
    session.xDisplay = server != DisplayServer::none;
    session.desktop = desktop;
    session.sessionBus = bus;
    return session;
}

TEST(HotkeyChoice, TheDesktopsOwnMechanismFirstThenTheXServer) {
    using D = DesktopFamily;
    using M = HotkeyMechanism;
    using S = DisplayServer;
    struct Case {
        const char* name;
        HotkeyFacts facts;
        M expected;
    };
    auto facts = [](Session session, bool qtOnX11, bool gnome, bool kde) {
        return HotkeyFacts{session, qtOnX11, gnome, kde};
    };
    const Case cases[] = {
        {"GNOME on X11", facts(sessionOf(S::x11, D::gnome), true, true, false), M::gnomeKeybinding},
        {"GNOME on Wayland, Qt on Wayland",
         facts(sessionOf(S::wayland, D::gnome), false, true, false), M::gnomeKeybinding},
        {"Plasma on Wayland", facts(sessionOf(S::wayland, D::kde), true, false, true),
         M::kdeGlobalAccel},
        {"Plasma on X11 without kglobalaccel", facts(sessionOf(S::x11, D::kde), true, false, false),
         M::x11Grab},
        {"XFCE", facts(sessionOf(S::x11, D::xfce), true, true, false), M::x11Grab},
        {"a bare window manager", facts(sessionOf(S::x11, D::unknown), true, false, false),
         M::x11Grab},
        {"GNOME without a session bus",
         facts(sessionOf(S::x11, D::gnome, false), true, true, false), M::x11Grab},
        {"sway through Xwayland: a grab sees only X11 windows' keys",
         facts(sessionOf(S::wayland, D::other), true, true, true), M::none},
        {"weston, Qt on Wayland", facts(sessionOf(S::wayland, D::unknown), false, false, false),
         M::none},
        {"an X11 session with Qt off-screen",
         facts(sessionOf(S::x11, D::unknown), false, false, false), M::none},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(chooseHotkeyMechanism(c.facts), c.expected) << c.name;
    }
}

// GNOME spells one combination several ways; a held one must be found whichever it used.
TEST(GnomeKeybinding, AcceleratorsCompareWhateverTheirSpelling) {
    const QString ours = gnomeAccelerator(ModifierFlag::control | ModifierFlag::option, /* S */ 1);
    const std::pair<const char*, bool> cases[] = {
        {"<Primary><Alt>s", true},         {"<Ctrl><Alt>S", true},
        {"<Alt><Control>s", true},         {"<Control><Mod1>s", true},
        {"<Control><Alt><Shift>s", false}, {"<Control>s", false},
        {"<Control><Alt>d", false},        {"", false}};
    for (const auto& [theirs, same] : cases) {
        EXPECT_EQ(normalAccelerator(QString::fromLatin1(theirs)) == normalAccelerator(ours), same)
            << theirs;
    }
    EXPECT_EQ(gnomeAccelerator(ModifierFlag::command, 123), QStringLiteral("<Super>Left"));
    EXPECT_EQ(gnomeAccelerator(ModifierFlag::capsLock | ModifierFlag::control, 1), QString())
        << "Caps Lock is no modifier to GNOME";
}

TEST(DesktopColorScheme, EachDesktopsPreferenceReadsAsLightOrDark) {
    const std::pair<const char*, std::optional<bool>> themes[] = {
        {"Adwaita-dark", true}, {"Greybird-dark", true}, {"Greybird", false},
        {"Adwaita-Dark", true}, {"Darkish", false},      {"", std::nullopt}};
    for (const auto& [theme, dark] : themes) {
        EXPECT_EQ(darkFromThemeName(QString::fromLatin1(theme)), dark) << theme;
    }

    const std::pair<const char*, std::optional<bool>> kdeglobals[] = {
        {"[General]\nColorScheme=BreezeDark\n\n[Colors:Window]\nBackgroundAlternate=1,1,1\n"
         "BackgroundNormal=32,35,38\n",
         true},
        {"[Colors:View]\nBackgroundNormal=20,20,20\n[Colors:Window]\nBackgroundNormal=239,240,"
         "241\n",
         false},
        {"[General]\nColorScheme=BreezeLight\n", std::nullopt},
        {"[Colors:Window]\nBackgroundNormal=oops\n", std::nullopt},
    };
    for (const auto& [text, dark] : kdeglobals) {
        EXPECT_EQ(darkFromKdeGlobals(QString::fromLatin1(text)), dark) << text;
    }
}

}  // namespace
}  // namespace swivlo
