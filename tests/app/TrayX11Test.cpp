// The running app on a real X server with a tray host, driven with xdotool as the user and as
// "another application" would.
#include <gtest/gtest.h>

#include <QWidget>

#include "SwivloCommand.h"

namespace {

using namespace swivlo::testing::x11;

const QByteArray controlOptionS =
    "[General]\nhotkeyEnabled=true\nhotkeyKeyCode=1\nhotkeyModifierFlags=786432\n";

class TrayX11Test : public ::testing::Test {
protected:
    void SetUp() override {
        other.setWindowTitle(QStringLiteral("Other application"));
        other.setGeometry(100, 300, 400, 300);
        other.show();
        QCoreApplication::processEvents();
    }

    QRect startApp() {
        const auto icon = app.start();
        EXPECT_TRUE(icon.has_value()) << app.process.readAll().toStdString();
        return icon.value_or(QRect());
    }

    SwivloProcess app;
    QWidget other;
};

TEST_F(TrayX11Test, ClickingTheTrayIconOpensAPanelBelowItAndClickingAgainClosesIt) {
    const QRect icon = startApp();
    ASSERT_FALSE(shownPanel()) << "nothing is shown at launch";

    ASSERT_TRUE(app.openPanelFromTray(icon));
    const QRect panel = *shownPanel();
    EXPECT_GT(panel.top(), icon.bottom());
    EXPECT_LE(panel.right(), 1279) << "kept inside the screen";

    clickIconAgain(icon);
    EXPECT_TRUE(eventually([] { return !shownPanel(); }));
}

TEST_F(TrayX11Test, DoubleClickOnTheTrayIconLeavesThePanelOpen) {
    const QRect icon = startApp();
    // One open and close first, so the double click lands on an app that is done starting.
    ASSERT_TRUE(app.openPanelFromTray(icon));
    clickIconAgain(icon);
    ASSERT_TRUE(eventually([] { return !shownPanel(); }));

    xdotool({"mousemove", QString::number(icon.center().x()), QString::number(icon.center().y()),
             "click", "--repeat", "2", "--delay", "80", "1"});
    ASSERT_TRUE(eventually([] { return shownPanel().has_value(); }));
    EXPECT_FALSE(eventually([] { return !shownPanel(); }, 1500)) << "closed again";
}

TEST_F(TrayX11Test, TrayIconMenuOpensSettingsKeepsAwakeForAChosenTimeAndQuits) {
    const QRect icon = startApp();
    auto openMenu = [&] {
        // As with the first left click, a right click during start-up can be missed.
        return eventually(
            [&] {
                xdotool({"mousemove", QString::number(icon.center().x()),
                         QString::number(icon.center().y()), "click", "3"});
                // The tray icon's menu: wider than the icon, narrower than the panel.
                return eventually([] { return swivloWindow(60, 260).has_value(); }, 2000);
            },
            12000);
    };

    // Show Panel, then Settings….
    ASSERT_TRUE(openMenu());
    xdotool({"key", "Down", "Down", "Return"});
    EXPECT_TRUE(eventually([] { return windowShown(QStringLiteral("Settings")); }));

    // "Keep Awake for", into it: its first entry, 30 minutes.
    ASSERT_TRUE(openMenu());
    xdotool({"key", "Down", "Down", "Down", "Right", "Return"});
    ASSERT_TRUE(eventually([&] { return listedSwitch(app, "keep_awake")["state"] == "on"; }));
    const int left = listedSwitch(app, "keep_awake")["secondsLeft"].toInt();
    EXPECT_LE(left, 1800);
    EXPECT_GT(left, 1200);

    ASSERT_TRUE(openMenu());
    xdotool({"key", "Up", "Return"});
    ASSERT_TRUE(app.process.waitForFinished(10000)) << "Quit ends the program";
    EXPECT_EQ(app.process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(app.process.exitCode(), 0);
}

TEST_F(TrayX11Test, ClickInAnotherApplicationClosesTheShownPanel) {
    ASSERT_TRUE(app.openPanelFromTray(startApp()));
    clickAt(other.geometry().center());
    EXPECT_TRUE(eventually([] { return !shownPanel(); }));
}

TEST_F(TrayX11Test, ShortcutEnabledWhileRunningWorksWithoutRestart) {
    startApp();
    ASSERT_TRUE(app.writePreferences(controlOptionS));
    focusWindow(other.winId());
    EXPECT_TRUE(eventually([] {
        xdotool({"key", "ctrl+alt+s"});
        return eventually([] { return shownPanel().has_value(); }, 500);
    }));
}

}  // namespace
