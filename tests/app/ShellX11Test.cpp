// The running app on a real X server with a tray host, driven with xdotool as the user and as
// "another application" would.
#include <gtest/gtest.h>

#include <QWidget>

#include "X11App.h"

namespace {

using namespace swivlo::testing::x11;

const QByteArray controlOptionS =
    "[General]\nhotkeyEnabled=true\nhotkeyKeyCode=1\nhotkeyModifierFlags=786432\n";

class ShellX11Test : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(app.home.isValid());
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

    void focusOther() { focusWindow(other.winId()); }

    SwivloProcess app;
    QWidget other;
};

TEST_F(ShellX11Test, ClickingTheTrayIconOpensAPanelBelowItAndClickingAgainClosesIt) {
    const QRect icon = startApp();
    ASSERT_FALSE(shownPanel()) << "nothing is shown at launch";

    ASSERT_TRUE(app.openPanelFromTray(icon));
    const QRect panel = *shownPanel();
    EXPECT_EQ(panel.width(), 300);
    EXPECT_GT(panel.top(), icon.bottom());
    EXPECT_LE(panel.right(), 1279) << "kept inside the screen";

    clickAt(icon.center());
    EXPECT_TRUE(eventually([] { return !shownPanel(); }));
}

TEST_F(ShellX11Test, ClickInAnotherApplicationClosesTheShownPanel) {
    ASSERT_TRUE(app.openPanelFromTray(startApp()));
    clickAt(other.geometry().center());
    EXPECT_TRUE(eventually([] { return !shownPanel(); }));
}

TEST_F(ShellX11Test, StoredShortcutTogglesThePanelFromAnotherApplication) {
    ASSERT_TRUE(app.writePreferences(controlOptionS));
    startApp();
    focusOther();
    // With Shift added it must not fire: if it did, the exact shortcut right after would
    // close the panel again instead of opening it.
    xdotool({"key", "ctrl+alt+shift+s"});
    xdotool({"key", "ctrl+alt+s"});
    ASSERT_TRUE(eventually([] { return shownPanel().has_value(); }));

    focusOther();
    xdotool({"key", "ctrl+alt+s"});
    EXPECT_TRUE(eventually([] { return !shownPanel(); }));
}

TEST_F(ShellX11Test, ShortcutEnabledWhileRunningWorksWithoutRestart) {
    startApp();
    ASSERT_TRUE(app.writePreferences(controlOptionS));
    focusOther();
    EXPECT_TRUE(eventually([] {
        xdotool({"key", "ctrl+alt+s"});
        return eventually([] { return shownPanel().has_value(); }, 500);
    }));
}

}  // namespace
