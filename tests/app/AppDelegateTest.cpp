#include <gtest/gtest.h>

#include "app/AppDelegate.h"
#include "core/Notifications.h"
#include "fakes/TestPlatform.h"
#include "platform/Preferences.h"

namespace swivlo {
namespace {

using testing::TestPlatform;

using testing::FixedContent;

constexpr std::uint64_t controlOption = ModifierFlag::control | ModifierFlag::option;
constexpr std::uint16_t keyS = 1;

Event keyDown(std::uint16_t keyCode, std::uint64_t flags) {
    return Event{EventType::KeyDown, keyCode, flags, ""};
}

const Event leftClick{EventType::LeftMouseDown, 0, 0, ""};

class AppDelegateTest : public ::testing::Test {
protected:
    void launch() {
        delegate.applicationDidFinishLaunching();
        item = platform.statusBar.lastItem;
        popover = platform.popovers.lastPopover;
    }

    void storeShortcut(bool enabled, std::int64_t keyCode, std::int64_t flags) {
        platform.preferences.setInteger(PreferencesKey::hotkeyModifierFlags, flags);
        platform.preferences.setInteger(PreferencesKey::hotkeyKeyCode, keyCode);
        platform.preferences.setBool(PreferencesKey::hotkeyEnabled, enabled);
    }

    // Presses a key in another application and lets the main queue run.
    void pressElsewhere(std::uint16_t keyCode, std::uint64_t flags) {
        platform.monitors.sendGlobal(keyDown(keyCode, flags));
        platform.mainQueue.drain();
    }

    TestPlatform platform;
    double contentHeight = 240;
    AppDelegate delegate{[this] { return std::make_unique<FixedContent>(contentHeight); },
                         [this] { platform.log.record("settings.show"); }};
    testing::FakeStatusItem* item = nullptr;
    testing::FakePopover* popover = nullptr;
};

TEST_F(AppDelegateTest, ItemWithoutButtonGetsNoImageAndThePanelNeverShows) {
    platform.statusBar.giveButton = false;
    launch();
    EXPECT_FALSE(platform.log.contains("statusItem.setImage menu-switch"));
    EXPECT_FALSE(platform.log.contains("statusItem.setMenu"));
    delegate.togglePopover();
    storeShortcut(true, keyS, controlOption);
    pressElsewhere(keyS, controlOption);
    EXPECT_FALSE(popover->isShown());
    EXPECT_FALSE(platform.log.contains("app.activate"));
}

TEST_F(AppDelegateTest, RequestClosePopoverClosesOnlyAShownPanel) {
    launch();
    platform.log.clear();
    NotificationCenter::defaultCenter().post(Notification::requestClosePopover);
    EXPECT_TRUE(platform.log.lines().empty());

    delegate.showPopover();
    NotificationCenter::defaultCenter().post(Notification::requestClosePopover);
    EXPECT_FALSE(popover->isShown());
    EXPECT_FALSE(delegate.eventMonitor()->isStarted());
}

struct WriteCase {
    const std::string* key;
    QVariant value;
    bool reregisters;
};

class PreferenceWriteTest : public AppDelegateTest,
                            public ::testing::WithParamInterface<WriteCase> {};

TEST_P(PreferenceWriteTest, OnlyAShortcutKeyReregistersAndThePanelStaysOpen) {
    storeShortcut(true, keyS, controlOption);
    launch();
    delegate.showPopover();
    platform.log.clear();
    platform.preferences.setObject(*GetParam().key, GetParam().value);
    EXPECT_TRUE(popover->isShown());
    const auto& lines = platform.log.lines();
    ASSERT_FALSE(lines.empty());
    const std::vector<std::string> reregistered = {"monitors.remove 1024",
                                                   "monitors.addGlobal 1024"};
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.end()),
              GetParam().reregisters ? reregistered : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Keys, PreferenceWriteTest,
    ::testing::Values(WriteCase{&PreferencesKey::swivloScenes, QString("[]"), false},
                      WriteCase{&PreferencesKey::autoClosePanel, true, false},
                      WriteCase{&PreferencesKey::hotkeyKeyDisplayString, QString("S"), false},
                      WriteCase{&PreferencesKey::hotkeyEnabled, true, true},
                      WriteCase{&PreferencesKey::hotkeyKeyCode, qint64(2), true},
                      WriteCase{&PreferencesKey::hotkeyModifierFlags, qint64(0), true}));

TEST_F(AppDelegateTest, TerminationRemovesShortcutMonitorAndStopsObserving) {
    storeShortcut(true, keyS, controlOption);
    launch();
    ASSERT_TRUE(delegate.hasHotkeyMonitor());
    delegate.applicationWillTerminate();
    EXPECT_FALSE(delegate.hasHotkeyMonitor());
    EXPECT_EQ(platform.monitors.globalCount(), 0u);
    platform.preferences.setBool(PreferencesKey::hotkeyEnabled, true);
    EXPECT_FALSE(delegate.hasHotkeyMonitor());
}

struct RegistrationCase {
    const char* name;
    std::optional<bool> enabled;
    std::optional<std::int64_t> keyCode;
    std::optional<std::int64_t> flags;
    bool installs;
};

class RegistrationTest : public AppDelegateTest,
                         public ::testing::WithParamInterface<RegistrationCase> {};

TEST_P(RegistrationTest, InstallsAShortcutMonitorOnlyForAUsableStoredShortcut) {
    const auto& c = GetParam();
    if (c.enabled) {
        platform.preferences.setBool(PreferencesKey::hotkeyEnabled, *c.enabled);
    }
    if (c.keyCode) {
        platform.preferences.setInteger(PreferencesKey::hotkeyKeyCode, *c.keyCode);
    }
    if (c.flags) {
        platform.preferences.setInteger(PreferencesKey::hotkeyModifierFlags, *c.flags);
    }
    launch();
    EXPECT_EQ(delegate.hasHotkeyMonitor(), c.installs);
    EXPECT_EQ(platform.monitors.globalCount(), c.installs ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegistrationTest,
    ::testing::Values(RegistrationCase{"EmptyStore", {}, {}, {}, false},
                      RegistrationCase{"EnabledWithoutKey", true, {}, {}, false},
                      RegistrationCase{"Stored", true, 1, 0xC0000, true},
                      RegistrationCase{"KeyCodeMax", true, 65535, 0x100000, true},
                      RegistrationCase{"KeyCodeTooLarge", true, 65536, 0x100000, false},
                      RegistrationCase{"NegativeKeyCode", true, -1, 0x100000, false}),
    [](const auto& info) { return info.param.name; });

struct MatchCase {
    const char* name;
    std::uint64_t stored;
    std::uint16_t eventKey;
    std::uint64_t eventFlags;
    bool fires;
};

class MatchingTest : public AppDelegateTest, public ::testing::WithParamInterface<MatchCase> {};

TEST_P(MatchingTest, TogglesOnlyOnExactDeviceIndependentFlagsAndKeyCode) {
    const auto& c = GetParam();
    storeShortcut(true, keyS, static_cast<std::int64_t>(c.stored));
    launch();
    pressElsewhere(c.eventKey, c.eventFlags);
    EXPECT_EQ(popover->isShown(), c.fires);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MatchingTest,
    ::testing::Values(
        MatchCase{"Exact", controlOption, keyS, controlOption, true},
        MatchCase{"DeviceDependentBitsIgnored", controlOption, keyS, controlOption | 0x0101, true},
        MatchCase{"ExtraShift", controlOption, keyS, controlOption | ModifierFlag::shift, false},
        MatchCase{"CapsLockOnNotRecorded", controlOption, keyS,
                  controlOption | ModifierFlag::capsLock, false},
        MatchCase{"CapsLockRecordedAndOn", controlOption | ModifierFlag::capsLock, keyS,
                  controlOption | ModifierFlag::capsLock, true},
        MatchCase{"OtherKey", controlOption, 0, controlOption, false}),
    [](const auto& info) { return info.param.name; });

TEST_F(AppDelegateTest, ShortcutTogglesOnTheMainQueueAndClosesAShownPanel) {
    storeShortcut(true, keyS, controlOption);
    launch();
    platform.monitors.sendGlobal(keyDown(keyS, controlOption));
    EXPECT_FALSE(popover->isShown()) << "the handler only schedules the toggle";
    platform.mainQueue.drain();
    EXPECT_TRUE(popover->isShown());
    EXPECT_TRUE(delegate.eventMonitor()->isStarted());

    pressElsewhere(keyS, controlOption);
    EXPECT_FALSE(popover->isShown());
    EXPECT_FALSE(delegate.eventMonitor()->isStarted());
}

TEST_F(AppDelegateTest, ClearingTheShortcutRemovesTheMonitor) {
    storeShortcut(true, keyS, controlOption);
    launch();
    Preferences::clearShortcut();
    EXPECT_FALSE(delegate.hasHotkeyMonitor());
    EXPECT_EQ(Preferences::hotkeyKeyCode(), -1);
    EXPECT_EQ(Preferences::hotkeyModifierFlags(), 0);
    EXPECT_EQ(Preferences::hotkeyKeyDisplayString(), "");
}

TEST_F(AppDelegateTest, NoGlobalMonitoringLeavesShortcutUninstalledWithoutFailing) {
    platform.monitors.globalAvailable = false;
    storeShortcut(true, keyS, controlOption);
    launch();
    EXPECT_FALSE(delegate.hasHotkeyMonitor());
    delegate.showPopover();
    EXPECT_TRUE(popover->isShown());
    EXPECT_FALSE(delegate.eventMonitor()->isStarted());
}

TEST_F(AppDelegateTest, SuspensionKeepsPanelOpenForTwoAndAHalfSeconds) {
    launch();
    delegate.showPopover();
    NotificationCenter::defaultCenter().post(Notification::suspendEventMonitor);
    EXPECT_EQ(popover->behavior(), Popover::Behavior::ApplicationDefined);
    EXPECT_FALSE(delegate.eventMonitor()->isStarted());

    platform.mainQueue.advance(2.4);
    platform.monitors.sendGlobal(leftClick);
    EXPECT_TRUE(popover->isShown());

    platform.mainQueue.advance(0.1);
    EXPECT_EQ(popover->behavior(), Popover::Behavior::Transient);
    EXPECT_TRUE(delegate.eventMonitor()->isStarted());
    platform.monitors.sendGlobal(leftClick);
    EXPECT_FALSE(popover->isShown());
}

TEST_F(AppDelegateTest, EachSuspensionRestoresOnItsOwnScheduleAndOnlyRestartsForShownPanel) {
    launch();
    NotificationCenter::defaultCenter().post(Notification::suspendEventMonitor);
    platform.mainQueue.advance(1.0);
    NotificationCenter::defaultCenter().post(Notification::suspendEventMonitor);

    platform.mainQueue.advance(1.49);
    EXPECT_EQ(popover->behavior(), Popover::Behavior::ApplicationDefined);
    platform.mainQueue.advance(0.01);
    EXPECT_EQ(popover->behavior(), Popover::Behavior::Transient);
    EXPECT_FALSE(delegate.eventMonitor()->isStarted()) << "panel closed: no restart";
    EXPECT_EQ(platform.mainQueue.pendingCount(), 1u);
}

TEST_F(AppDelegateTest, RestoreAfterTheDelegateIsGoneDoesNothing) {
    auto owned = std::make_unique<AppDelegate>([] { return std::make_unique<FixedContent>(10); });
    owned->applicationDidFinishLaunching();
    owned->handleSuspendEventMonitor();
    owned.reset();
    platform.mainQueue.advance(3);
    SUCCEED();
}

TEST_F(AppDelegateTest, StartingAStartedMonitorReplacesTheEarlierOne) {
    EventMonitor monitor(AppDelegate::outsideClickMask, [](const Event&) {});
    monitor.start();
    monitor.start();
    EXPECT_EQ(platform.monitors.globalCount(), 1u);
    monitor.stop();
    monitor.stop();
    EXPECT_EQ(platform.monitors.globalCount(), 0u);
}

}  // namespace
}  // namespace swivlo
