#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QTimer>
#include <algorithm>

#include "cleaner/ScreenCleanerView.h"
#include "cleaner/ScreenCleanerWindow.h"
#include "core/Notifications.h"
#include "fakes/RecordingLog.h"
#include "fakes/TestPlatform.h"
#include "platform/NotificationCenter.h"

namespace swivlo {
namespace {

using testing::TestPlatform;

const Event keyDown{EventType::KeyDown, 0, 0, ""};

class ScreenCleanerWindowTest : public ::testing::Test {
protected:
    ScreenCleanerWindowTest() {
        alertObserver = NotificationCenter::defaultCenter().addObserver(
            Notification::showAccessibilityPermissionAlert, [this] { ++alertsPosted; });
    }
    ~ScreenCleanerWindowTest() override {
        NotificationCenter::defaultCenter().removeObserver(alertObserver);
    }

    // Runs `action` and returns the log lines it wrote.
    template <class Action>
    std::vector<std::string> outputOf(Action action) {
        log.lines.clear();
        action();
        return log.lines;
    }

    // Where the first line that starts with `start` stands in the platform's log.
    std::size_t indexOf(const std::string& start) const {
        const auto& lines = platform.log.lines();
        return static_cast<std::size_t>(
            std::find_if(lines.begin(), lines.end(),
                         [&](const std::string& line) { return line.starts_with(start); }) -
            lines.begin());
    }

    TestPlatform platform;
    testing::RecordingLog log;
    ScreenCleanerWindow window;
    int alertsPosted = 0;
    NotificationCenter::Token alertObserver = 0;
};

TEST_F(ScreenCleanerWindowTest, ActivateCoversScreensTakesFocusThenBlocks) {
    const auto lines = outputOf([&] { window.activate(); });
    EXPECT_EQ(lines, std::vector<std::string>{"✅ Screen Cleaner Mode activated"});
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.geometry(), QRect(0, 0, 1440, 900));
    EXPECT_TRUE(window.eventMonitor().has_value());
    EXPECT_TRUE(window.keyboardBlocker().isRunning());
    EXPECT_EQ(alertsPosted, 0);
    // The app comes forward before the monitor and the tap are installed.
    EXPECT_LT(indexOf("app.activate"), indexOf("monitors.addLocal"));
    EXPECT_LT(indexOf("monitors.addLocal"), indexOf("tap.create"));
    // Released the other way round.
    window.deactivate();
    EXPECT_FALSE(window.eventMonitor().has_value());
    EXPECT_LT(indexOf("monitors.remove"), indexOf("tap.invalidate"));
}

TEST_F(ScreenCleanerWindowTest, RefusedTapWarnsOnTheCleaningScreenEachTimeButStaysActive) {
    const QString lockedHint = window.view()->hintLabel()->text();
    platform.keyboardTap.refuseTap = true;
    for (int use = 1; use <= 2; ++use) {
        const auto lines = outputOf([&] { window.activate(); });
        EXPECT_EQ(lines, (std::vector<std::string>{
                             "⚠️ Keyboard blocker failed to start. Input Monitoring permission "
                             "may be missing.",
                             "✅ Screen Cleaner Mode activated"}));
        // Told here, not to the panel that is closing under the window.
        EXPECT_FALSE(window.view()->isKeyboardLocked());
        const QLabel* hint = window.view()->hintLabel();
        EXPECT_NE(hint->text(), lockedHint);
        // Shown whole, once laid out again.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        EXPECT_TRUE(QRect(QPoint(), hint->size()).contains(QRect(QPoint(), hint->sizeHint())));
        EXPECT_EQ(alertsPosted, 0);
        EXPECT_TRUE(window.isVisible());
        // The app's own input is still held back.
        EXPECT_FALSE(platform.monitors.sendLocal(keyDown).has_value());
        outputOf([&] { window.deactivate(); });
    }
    platform.keyboardTap.refuseTap = false;
    outputOf([&] { window.activate(); });
    EXPECT_EQ(window.view()->hintLabel()->text(), lockedHint);
    outputOf([&] { window.deactivate(); });
}

TEST_F(ScreenCleanerWindowTest, QuittingWhileCleaningIsNotRefusedAndEndsTheMode) {
    outputOf([&] { window.activate(); });
    QTimer::singleShot(0, [] { QCoreApplication::quit(); });
    // A refused quit would leave the loop running: stop waiting after a while.
    QTimer::singleShot(10000, &window, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_FALSE(window.isCleaning());
    EXPECT_EQ(platform.keyboardTap.liveTaps(), 0u);
}

// Ways the window leaves the screen; ScreenCleanerX11Test clicks the exit button and has other
// programs unmap or destroy it.
using HidePath = void (*)(ScreenCleanerWindow&);

class HidingTest : public ScreenCleanerWindowTest,
                   public ::testing::WithParamInterface<HidePath> {};

TEST_P(HidingTest, EndsBlockingAndSaysSo) {
    outputOf([&] { window.activate(); });
    ASSERT_TRUE(platform.windowStacking.isKept(window.winId()));
    const auto lines = outputOf([&] { GetParam()(window); });
    EXPECT_EQ(lines, std::vector<std::string>{"✅ Screen Cleaner Mode deactivated"});
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.isCleaning());
    EXPECT_EQ(platform.monitors.localCount(), 0u);
    EXPECT_EQ(platform.keyboardTap.liveTaps(), 0u);
    EXPECT_FALSE(platform.windowStacking.isKept(window.winId()));
    // And the mode can be entered again.
    outputOf([&] { window.activate(); });
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(platform.windowStacking.isKept(window.winId()));
    outputOf([&] { window.deactivate(); });
}

// The last: what quitting the application does to each window.
INSTANTIATE_TEST_SUITE_P(Paths, HidingTest,
                         ::testing::Values(HidePath([](ScreenCleanerWindow& w) { w.deactivate(); }),
                                           HidePath([](ScreenCleanerWindow& w) { w.hide(); }),
                                           HidePath([](ScreenCleanerWindow& w) { w.close(); })));

TEST_F(ScreenCleanerWindowTest, EachUseCoversTheDisplaysOfThatMoment) {
    outputOf([&] { window.activate(); });
    outputOf([&] { window.deactivate(); });
    platform.screens.screenFrames = {QRectF(0, 0, 1440, 900), QRectF(-1920, 900, 1920, 1080)};
    outputOf([&] { window.activate(); });
    EXPECT_EQ(window.geometry(), QRect(-1920, 0, 3360, 1980));
}

TEST_F(ScreenCleanerWindowTest, OnlyLeftClicksAndModifierChangesGetThrough) {
    const std::pair<EventType, bool> cases[] = {
        {EventType::LeftMouseUp, true},       {EventType::RightMouseDown, false},
        {EventType::LeftMouseDragged, false}, {EventType::KeyDown, false},
        {EventType::ScrollWheel, false},      {EventType::FlagsChanged, true}};
    outputOf([&] { window.activate(); });
    for (const auto& [type, passes] : cases) {
        const Event event{type, 12, ModifierFlag::shift, "q"};
        const std::optional<Event> delivered = platform.monitors.sendLocal(event);
        EXPECT_EQ(delivered, passes ? std::optional(event) : std::nullopt)
            << static_cast<int>(type);
    }
    outputOf([&] { window.deactivate(); });
    EXPECT_EQ(platform.monitors.sendLocal(keyDown), keyDown);
}

TEST_F(ScreenCleanerWindowTest, ActivatingAgainLeavesNoMonitorBehind) {
    outputOf([&] { window.activate(); });
    outputOf([&] { window.activate(); });
    EXPECT_EQ(platform.monitors.localCount(), 1u);
    EXPECT_EQ(platform.keyboardTap.liveTaps(), 1u);
    outputOf([&] { window.deactivate(); });
    EXPECT_EQ(platform.monitors.sendLocal(keyDown), keyDown);
}

}  // namespace
}  // namespace swivlo
