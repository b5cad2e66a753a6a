// The cleaner on a real X server: xdotool types and clicks as the user, a plain window stands
// for another application, and a child process plays a Swivlo that gets killed.

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QKeyEvent>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <cstdlib>

#include "X11App.h"
#include "app/Notifications.h"
#include "cleaner/ScreenCleanerView.h"
#include "cleaner/ScreenCleanerWindow.h"
#include "platform/NotificationCenter.h"
#include "platform/desktop/QtScreens.h"
#include "platform/desktop/X11KeyboardTap.h"
#include "platform/testing/RecordingLog.h"
#include "platform/testing/TestPlatform.h"

namespace swivlo {
namespace {

constexpr int waitMs = 10000;
constexpr const char* childVariable = "SWIVLO_CLEANER_CHILD";

void xdotool(const QStringList& args) {
    ASSERT_TRUE(testing::x11::xdotool(args)) << args.join(' ').toStdString();
}

// Another application's window that counts the keys it is given.
class KeyReceiver : public QWidget {
public:
    KeyReceiver() {
        setWindowTitle(QStringLiteral("Other application"));
        setGeometry(100, 100, 300, 200);
    }
    int presses = 0;

    // Takes the focus the way the user would, by clicking it... without a click, which the
    // cleaner would be in the way of: the server is told directly.
    void focus() {
        ASSERT_TRUE(testing::x11::focusWindow(winId()));
        ASSERT_TRUE(QTest::qWaitForWindowActive(this, waitMs));
    }

protected:
    void keyPressEvent(QKeyEvent*) override { ++presses; }
};

// The real tap, counting the keys it takes so a test knows the server delivered them there.
class CountingTap : public KeyboardTap {
public:
    std::optional<TapPort> createTap(EventMask mask, TapCallback callback) override {
        return inner.createTap(mask, [this, callback](TapEventType type) {
            if (type == TapEventType::TapDisabledByUserInput) {
                ++disabledNotices;
            }
            if (type == TapEventType::KeyDown) {
                ++keyDowns;
                if (onKeyDown) {
                    onKeyDown();
                }
            }
            return callback(type);
        });
    }
    std::optional<TapSource> createRunLoopSource(TapPort port) override {
        return inner.createRunLoopSource(port);
    }
    void addSourceToMainLoop(TapSource source) override { inner.addSourceToMainLoop(source); }
    void removeSourceFromMainLoop(TapSource source) override {
        inner.removeSourceFromMainLoop(source);
    }
    void enableTap(TapPort port, bool enable) override { inner.enableTap(port, enable); }
    void invalidate(TapPort port) override { inner.invalidate(port); }

    desktop::X11KeyboardTap inner;
    int keyDowns = 0;
    int disabledNotices = 0;
    std::function<void()> onKeyDown;
};

// The fakes of the test platform, except for the displays and the keyboard tap.
class DesktopCleanerPlatform {
public:
    DesktopCleanerPlatform() {
        Service<Screens>::install(&screens);
        Service<KeyboardTap>::install(&tap);
    }
    testing::TestPlatform platform;
    desktop::QtScreens screens;
    CountingTap tap;
};

class ScreenCleanerX11Test : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::getenv(childVariable)) {
            GTEST_SKIP() << "runs in the parent only";
        }
        receiver.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&receiver, waitMs));
        receiver.focus();
    }

    DesktopCleanerPlatform host;
    KeyReceiver receiver;
};

TEST_F(ScreenCleanerX11Test, OtherWindowGetsNoKeysUntilTheExitButtonIsClicked) {
    xdotool({"key", "a"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return receiver.presses == 1; }, waitMs));

    ScreenCleanerWindow window;
    window.activate();
    ASSERT_TRUE(window.keyboardBlocker().isRunning());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window, waitMs));
    EXPECT_EQ(window.geometry(), QRect(QPoint(0, 0), receiver.screen()->virtualSize()));

    for (const char* key : {"b", "ctrl+c", "alt+F4", "Return"}) {
        const int before = host.tap.keyDowns;
        xdotool({"key", key});
        // Each key goes to exactly one client: once the grab has it, nobody else got it.
        ASSERT_TRUE(QTest::qWaitFor([&] { return host.tap.keyDowns > before; }, waitMs)) << key;
    }
    EXPECT_EQ(receiver.presses, 1);

    const QWidget* button = window.view()->exitButton();
    const QPoint centre = button->mapToGlobal(button->rect().center());
    ASSERT_TRUE(testing::x11::clickAt(centre));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, waitMs));
    EXPECT_FALSE(window.keyboardBlocker().isRunning());

    receiver.focus();
    xdotool({"key", "c"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return receiver.presses == 2; }, waitMs));
}

TEST_F(ScreenCleanerX11Test, GrabBrokenByTheServerIsTakenAgain) {
    // Lets the XF86Ungrab key break any keyboard grab, as a user's keymap may.
    QProcess setxkbmap;
    setxkbmap.start(QStringLiteral("setxkbmap"), {"-option", "grab:break_actions"});
    ASSERT_TRUE(setxkbmap.waitForFinished(waitMs));
    ASSERT_EQ(setxkbmap.exitCode(), 0);

    ScreenCleanerWindow window;
    window.activate();
    ASSERT_TRUE(window.keyboardBlocker().isRunning());
    xdotool({"key", "XF86Ungrab"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return host.tap.disabledNotices == 1; }, waitMs));

    const int before = host.tap.keyDowns;
    xdotool({"key", "z"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return host.tap.keyDowns > before; }, waitMs));
    EXPECT_EQ(receiver.presses, 0);
    window.deactivate();
}

TEST_F(ScreenCleanerX11Test, KeyboardHeldByAnotherClientLeavesInAppBlockingOnly) {
    desktop::X11KeyboardTap otherClient;
    ASSERT_TRUE(otherClient.createTap(KeyboardInputBlocker::tapMask,
                                      [](TapEventType) { return TapDisposition::Drop; }));

    int alerts = 0;
    const auto observer = NotificationCenter::defaultCenter().addObserver(
        Notification::showAccessibilityPermissionAlert, [&] { ++alerts; });
    testing::RecordingLog log;
    ScreenCleanerWindow window;
    window.activate();
    NotificationCenter::defaultCenter().removeObserver(observer);

    EXPECT_EQ(
        log.lines,
        (std::vector<std::string>{
            "⚠️ Keyboard blocker failed to start. Input Monitoring permission may be missing.",
            "✅ Screen Cleaner Mode activated"}));
    EXPECT_EQ(alerts, 1);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.eventMonitor().has_value());
    EXPECT_FALSE(window.keyboardBlocker().isRunning());
    window.deactivate();
}

TEST_F(ScreenCleanerX11Test, KillingSwivloWhileActiveGivesTheKeyboardBack) {
    QProcess swivlo;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(childVariable, "1");
    swivlo.setProcessEnvironment(env);
    swivlo.start(QCoreApplication::applicationFilePath(),
                 {"--gtest_filter=ScreenCleanerChild.*", "--gtest_also_run_disabled_tests"});
    QByteArray said;
    const auto childSaid = [&](const QByteArray& line) {
        said += swivlo.readAllStandardOutput();
        return said.contains(line);
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return childSaid("cleaner active\n"); }, waitMs));

    receiver.focus();
    xdotool({"key", "x"});
    // The child reports each key its grab takes: this one never reached the receiver.
    ASSERT_TRUE(QTest::qWaitFor([&] { return childSaid("key\n"); }, waitMs));
    EXPECT_EQ(receiver.presses, 0);

    swivlo.kill();
    ASSERT_TRUE(swivlo.waitForFinished(waitMs));
    receiver.focus();
    xdotool({"key", "y"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return receiver.presses == 1; }, waitMs));
}

// The Swivlo that the test above kills: enters the mode and waits for its end.
TEST(ScreenCleanerChild, HoldsTheModeUntilKilled) {
    if (!std::getenv(childVariable)) {
        GTEST_SKIP() << "started by KillingSwivloWhileActiveGivesTheKeyboardBack";
    }
    DesktopCleanerPlatform host;
    host.tap.onKeyDown = [] {
        std::fputs("key\n", stdout);
        std::fflush(stdout);
    };
    ScreenCleanerWindow::shared().activate();
    ASSERT_TRUE(ScreenCleanerWindow::shared().keyboardBlocker().isRunning());
    std::fputs("cleaner active\n", stdout);
    std::fflush(stdout);
    // Runs until killed; the guard only matters if the parent test died first.
    QEventLoop loop;
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace
}  // namespace swivlo
