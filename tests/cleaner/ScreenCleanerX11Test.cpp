// The cleaner on a real X server: xdotool types and clicks as the user, plain windows stand for
// other applications, openbox for a window manager, and a child process plays a Swivlo
// that gets killed.

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QKeyEvent>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <cstdlib>

#include "X11App.h"
#include "X11Stack.h"
#include "cleaner/ScreenCleanerView.h"
#include "cleaner/ScreenCleanerWindow.h"
#include "fakes/RecordingLog.h"
#include "fakes/TestPlatform.h"
#include "platform/desktop/QtScreens.h"
#include "platform/desktop/X11KeyboardTap.h"
#include "platform/desktop/X11WindowStacking.h"

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

    // Told to the server directly: a click would land on the cleaner.
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
    std::optional<TapPort> createTap(TapCallback callback) override {
        return inner.createTap([this, callback](TapEventType type) {
            if (type == TapEventType::TapDisabledByUserInput) {
                ++disabledNotices;
            }
            if (type == TapEventType::KeyDown) {
                ++keyDowns;
                if (onKeyDown) {
                    onKeyDown();
                }
            }
            callback(type);
        });
    }
    void reenableTap(TapPort port) override { inner.reenableTap(port); }
    void invalidate(TapPort port) override { inner.invalidate(port); }

    desktop::X11KeyboardTap inner;
    int keyDowns = 0;
    int disabledNotices = 0;
    std::function<void()> onKeyDown;
};

// The fakes of the test platform, except for the displays, the keyboard tap and the stacking.
class DesktopCleanerPlatform {
public:
    DesktopCleanerPlatform() {
        Service<Screens>::install(&screens);
        Service<KeyboardTap>::install(&tap);
        Service<WindowStacking>::install(&stacking);
    }
    testing::TestPlatform platform;
    desktop::QtScreens screens;
    CountingTap tap;
    desktop::X11WindowStacking stacking;
};

using testing::x11::WindowManager;

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

TEST_F(ScreenCleanerX11Test, GrabBrokenByTheServerIsTakenAgain) {
    // Lets the XF86Ungrab key break any keyboard grab, as a user's keymap may.
    ASSERT_EQ(QProcess::execute(QStringLiteral("setxkbmap"), {"-option", "grab:break_actions"}), 0);

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
    ASSERT_TRUE(otherClient.createTap([](TapEventType) {}));

    ScreenCleanerWindow window;
    window.activate();
    // The black screen itself says so; ScreenCleanerWindowTest checks the rest.
    EXPECT_FALSE(window.view()->isKeyboardLocked());
    EXPECT_TRUE(window.isVisible());
    window.deactivate();
}

// Counts the close requests a window receives.
class CloseCounter : public QObject {
public:
    int closes = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        closes += event->type() == QEvent::Close ? 1 : 0;
        return QObject::eventFilter(watched, event);
    }
};

TEST_F(ScreenCleanerX11Test, CloseRequestsAreRefused) {
    WindowManager openbox;
    ASSERT_TRUE(openbox.start());
    ScreenCleanerWindow window;
    CloseCounter counter;
    window.installEventFilter(&counter);
    window.activate();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window, waitMs));
    testing::RecordingLog log;

    // Unmanaged, the window manager has nothing to close...
    EXPECT_NE(QProcess::execute(QStringLiteral("wmctrl"), {"-c", window.windowTitle()}), 0);
    // ...and a session manager's request is turned down.
    ASSERT_TRUE(testing::x11::sendDeleteWindow(window.winId()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return counter.closes == 1; }, waitMs));
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.keyboardBlocker().isRunning());
    EXPECT_TRUE(log.lines.empty());
    window.deactivate();
}

// Another program unmapping or destroying the window ends the mode: no grab with nothing shown.
class TakenOffScreenTest : public ScreenCleanerX11Test,
                           public ::testing::WithParamInterface<const char*> {};

TEST_P(TakenOffScreenTest, EndsTheModeAndTheNextUseShowsAgain) {
    ScreenCleanerWindow window;
    window.activate();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window, waitMs));
    testing::RecordingLog log;
    xdotool({GetParam(), QString::number(window.winId())});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.isCleaning(); }, waitMs));
    EXPECT_EQ(log.lines, std::vector<std::string>{"✅ Screen Cleaner Mode deactivated"});
    EXPECT_FALSE(window.keyboardBlocker().isRunning());
    receiver.focus();
    xdotool({"key", "k"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return receiver.presses == 1; }, waitMs));

    window.activate();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window, waitMs));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return testing::x11::topmostWindow() == window.winId(); }, waitMs));
    window.deactivate();
}

INSTANTIATE_TEST_SUITE_P(XdoTool, TakenOffScreenTest,
                         ::testing::Values("windowunmap", "windowclose"));

// With no window manager and with openbox: windows mapped after the mode starts go below it.
class CleanerStackingTest : public ScreenCleanerX11Test,
                            public ::testing::WithParamInterface<bool> {};

TEST_P(CleanerStackingTest, WindowsMappedLaterStayBelowAndGetNoClicks) {
    WindowManager openbox;
    if (GetParam()) {
        ASSERT_TRUE(openbox.start());
    }
    ScreenCleanerWindow window;
    window.activate();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window, waitMs));
    EXPECT_EQ(window.geometry(), QRect(QPoint(0, 0), receiver.screen()->virtualSize()));
    const auto onTop = [&] {
        return QTest::qWaitFor([&] { return testing::x11::topmostWindow() == window.winId(); },
                               waitMs);
    };
    ASSERT_TRUE(onTop());

    // Another program's windows over the exit button: an ordinary one, then an unmanaged one as
    // menus and notifications are.
    const QWidget* button = window.view()->exitButton();
    const QPoint centre = button->mapToGlobal(button->rect().center());
    testing::x11::ForeignWindow ordinary(centre.x() - 200, centre.y() - 150, 400, 300, false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ordinary.isViewable(); }, waitMs));
    EXPECT_TRUE(onTop());
    testing::x11::ForeignWindow unmanaged(centre.x() - 150, centre.y() - 100, 300, 200, true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return unmanaged.isViewable(); }, waitMs));
    EXPECT_TRUE(onTop());
    // The exit button still takes the click (tried again while a window manager settles).
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            testing::x11::clickAt(centre);
            return QTest::qWaitFor([&] { return !window.isVisible(); }, 500);
        },
        waitMs));
    if (window.isCleaning()) {
        window.deactivate();
    }
}

INSTANTIATE_TEST_SUITE_P(WindowManagers, CleanerStackingTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Openbox" : "None"; });

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
