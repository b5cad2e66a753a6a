#include <gtest/gtest.h>

#include "app/AppDelegate.h"
#include "core/Notifications.h"
#include "fakes/TestPlatform.h"
#include "platform/Preferences.h"
#include "platform/hotkey/GlobalHotkey.h"

namespace swivlo {
namespace {

using testing::TestPlatform;

using testing::FixedContent;

constexpr std::uint64_t controlOption = ModifierFlag::control | ModifierFlag::option;
constexpr std::uint16_t keyS = 1;

// A desktop that takes every combination, or refuses each with `refusal`.
class FakeHotkey : public GlobalHotkey {
public:
    FakeHotkey() { Service<GlobalHotkey>::install(this); }
    ~FakeHotkey() override { Service<GlobalHotkey>::install(nullptr); }
    std::optional<QString> bind(std::uint64_t flags, std::uint16_t keyCode) override {
        ++binds;
        setProblem(refusal.value_or(QString()));
        bound = refusal ? std::nullopt : std::optional(std::pair{flags, keyCode});
        return refusal;
    }
    void unbind() override {
        bound.reset();
        setProblem({});
    }
    void press() { emit pressed(); }

    std::optional<QString> refusal;
    std::optional<std::pair<std::uint64_t, std::uint16_t>> bound;
    int binds = 0;
};

const Event leftClick{EventType::LeftMouseDown, 0, 0, ""};

void post(const std::string& name) {
    NotificationCenter::defaultCenter().post(name);
}

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

    TestPlatform platform;
    FakeHotkey hotkey;
    double contentHeight = 240;
    AppDelegate delegate{[this] { return std::make_unique<FixedContent>(contentHeight); },
                         [this] { platform.log.record("settings.show"); }};
    testing::FakeStatusItem* item = nullptr;
    testing::FakePopover* popover = nullptr;
};

// Every way of opening puts the panel at the item's anchor (where it was last clicked, or the
// tray's corner), never wherever the pointer is.
TEST_F(AppDelegateTest, EveryWayOfOpeningOpensAtTheItemsAnchor) {
    storeShortcut(true, keyS, controlOption);
    launch();
    // The last two only open: a second time leaves the panel open.
    const std::tuple<const char*, std::function<void()>, bool> ways[] = {
        {"click", [this] { item->click(); }, false},
        {"shortcut", [this] { hotkey.press(); }, false},
        {"command line", [this] { delegate.showPopover(); }, true},
        {"menu", [this] { item->chooseMenuItem("Show Panel"); }, true}};
    int n = 0;
    for (const auto& [name, open, onlyOpens] : ways) {
        item->setAnchor({100 * ++n, 0, 1, 27});
        open();
        EXPECT_TRUE(popover->isShown()) << name;
        EXPECT_EQ(popover->anchor(), item->anchor()) << name;
        if (onlyOpens) {
            open();
            EXPECT_TRUE(popover->isShown()) << name << " again";
        }
        delegate.handleRequestClosePopover();
    }
}

TEST_F(AppDelegateTest, RequestClosePopoverClosesThePanelAndItsWatch) {
    launch();
    delegate.showPopover();
    post(Notification::requestClosePopover);
    EXPECT_FALSE(popover->isShown());
    EXPECT_FALSE(delegate.eventMonitor()->isStarted());
}

TEST_F(AppDelegateTest, OnlyAShortcutKeyReregistersAndThePanelStaysOpen) {
    storeShortcut(true, keyS, controlOption);
    launch();
    delegate.showPopover();
    const std::tuple<const std::string&, QVariant, bool> writes[] = {
        {PreferencesKey::swivloScenes, QString("[]"), false},
        {PreferencesKey::autoClosePanel, true, false},
        {PreferencesKey::hotkeyKeyDisplayString, QString("S"), false},
        {PreferencesKey::hotkeyEnabled, true, true},
        {PreferencesKey::hotkeyKeyCode, qint64(2), true},
        {PreferencesKey::hotkeyModifierFlags, qint64(0), true}};
    for (const auto& [key, value, reregisters] : writes) {
        const int before = hotkey.binds;
        platform.preferences.setObject(key, value);
        EXPECT_TRUE(popover->isShown()) << key;
        EXPECT_EQ(hotkey.binds - before, reregisters ? 1 : 0) << key;
    }
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

TEST_P(RegistrationTest, BindsOnlyAUsableStoredShortcutAsStored) {
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
    EXPECT_EQ(delegate.hasHotkey(), c.installs);
    ASSERT_EQ(hotkey.bound.has_value(), c.installs);
    if (c.installs) {
        EXPECT_EQ(hotkey.bound->first, static_cast<std::uint64_t>(*c.flags));
        EXPECT_EQ(hotkey.bound->second, static_cast<std::uint16_t>(*c.keyCode));
    }
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

TEST_F(AppDelegateTest, ClearingTheShortcutOrQuittingGivesItBack) {
    storeShortcut(true, keyS, controlOption);
    launch();
    Preferences::clearShortcut();
    EXPECT_FALSE(delegate.hasHotkey());
    EXPECT_FALSE(hotkey.bound);
    storeShortcut(true, keyS, controlOption);
    ASSERT_TRUE(hotkey.bound);
    delegate.applicationWillTerminate();
    EXPECT_FALSE(delegate.hasHotkey());
    EXPECT_FALSE(hotkey.bound);
    platform.preferences.setBool(PreferencesKey::hotkeyEnabled, true);
    EXPECT_FALSE(delegate.hasHotkey()) << "no longer follows the preferences";
}

TEST_F(AppDelegateTest, AShortcutTheDesktopRefusesIsNotBoundAndSaysWhy) {
    hotkey.refusal = QStringLiteral("Another program holds this shortcut");
    storeShortcut(true, keyS, controlOption);
    launch();
    EXPECT_FALSE(delegate.hasHotkey());
    EXPECT_EQ(hotkey.problem(), *hotkey.refusal);

    // Turning it off leaves nothing to complain about.
    platform.preferences.setBool(PreferencesKey::hotkeyEnabled, false);
    EXPECT_TRUE(hotkey.problem().isEmpty());
}

// Each suspension ends on its own schedule; only a shown panel gets its watch back.
TEST_F(AppDelegateTest, SuspensionKeepsPanelOpenForTwoAndAHalfSeconds) {
    launch();
    delegate.showPopover();
    post(Notification::suspendEventMonitor);
    EXPECT_EQ(popover->behavior(), Popover::Behavior::ApplicationDefined);
    EXPECT_FALSE(delegate.eventMonitor()->isStarted());
    platform.mainQueue.advance(1.0);
    post(Notification::suspendEventMonitor);

    platform.mainQueue.advance(1.49);
    platform.monitors.sendGlobal(leftClick);
    EXPECT_TRUE(popover->isShown());
    EXPECT_EQ(popover->behavior(), Popover::Behavior::ApplicationDefined);

    platform.mainQueue.advance(0.01);
    EXPECT_EQ(popover->behavior(), Popover::Behavior::Transient);
    EXPECT_TRUE(delegate.eventMonitor()->isStarted());
    platform.monitors.sendGlobal(leftClick);
    EXPECT_FALSE(popover->isShown());
    platform.mainQueue.advance(1.0);
    EXPECT_FALSE(delegate.eventMonitor()->isStarted()) << "panel closed: no restart";
}

// The second press of a double click on the item, after what came between the two presses.
struct DoubleClickCase {
    const char* name;
    std::function<void(testing::FakeStatusItem&)> between;
    bool shown;  // after the second press
    friend void PrintTo(const DoubleClickCase& c, std::ostream* os) { *os << c.name; }
};

class DoubleClickTest : public AppDelegateTest,
                        public ::testing::WithParamInterface<DoubleClickCase> {};

TEST_P(DoubleClickTest, IsTheOpeningClickOnlyWhileThePanelIsOpenAndUnused) {
    launch();
    item->click();
    ASSERT_TRUE(popover->isShown());
    GetParam().between(*item);
    item->doubleClick();
    EXPECT_EQ(popover->isShown(), GetParam().shown);

    // Whatever came before, the suspension's end leaves a closed panel closed and the next
    // click opens it.
    platform.mainQueue.advance(AppDelegate::suspensionSeconds);
    EXPECT_EQ(popover->isShown(), GetParam().shown);
    EXPECT_EQ(delegate.eventMonitor()->isStarted(), GetParam().shown);
    if (!GetParam().shown) {
        item->click();
        EXPECT_TRUE(popover->isShown());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DoubleClickTest,
    ::testing::Values(DoubleClickCase{"OneClickSaidTwice", [](auto&) {}, true},
                      DoubleClickCase{"ASwitchFlippedInBetween",
                                      [](auto&) { post(Notification::panelUsed); }, false},
                      // As a screen reader's Toggle does it: no click, and the Finder's restart
                      // suspends the outside-click watch.
                      DoubleClickCase{"HideDesktopFlippedInBetween",
                                      [](auto&) {
                                          post(Notification::panelUsed);
                                          post(Notification::suspendEventMonitor);
                                      },
                                      false},
                      DoubleClickCase{"AClosedPanelOpens", [](auto& item) { item.click(); }, true},
                      DoubleClickCase{"UsedBeforeTheLastOpening",
                                      [](auto& item) {
                                          post(Notification::panelUsed);
                                          item.click();
                                          item.click();
                                      },
                                      true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AppDelegateTest, RestoreAfterTheDelegateIsGoneDoesNothing) {
    auto owned = std::make_unique<AppDelegate>([] { return std::make_unique<FixedContent>(10); });
    owned->applicationDidFinishLaunching();
    owned->handleSuspendEventMonitor();
    owned.reset();
    platform.mainQueue.advance(3);
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
