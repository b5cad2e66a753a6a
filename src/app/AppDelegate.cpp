#include "app/AppDelegate.h"

#include <QPointer>
#include <algorithm>
#include <utility>

#include "core/Localized.h"
#include "core/Notifications.h"
#include "platform/Application.h"
#include "platform/LogOutput.h"
#include "platform/MainQueue.h"
#include "platform/Preferences.h"
#include "platform/PreferencesStore.h"
#include "platform/hotkey/GlobalHotkey.h"

namespace swivlo {

AppDelegate::AppDelegate(PanelContentFactory makeContent, SettingsOpener openSettings,
                         std::vector<StatusMenuItem> moreMenuItems, QObject* parent)
    : QObject(parent),
      makeContent_(std::move(makeContent)),
      openSettings_(std::move(openSettings)),
      moreMenuItems_(std::move(moreMenuItems)) {}

AppDelegate::~AppDelegate() {
    // Observers of the process-wide centre must not outlive the object they call.
    for (auto token : notificationObservers_) {
        NotificationCenter::defaultCenter().removeObserver(token);
    }
    unregisterHotkey();
}

void AppDelegate::applicationDidFinishLaunching() {
    // Set up also without a tray: the item shows up when a tray comes.
    statusItem_ = statusBar().statusItemWithLength(StatusBar::variableLength);
    statusItem_->setImage("menu-switch");
    statusItem_->setAction([self = QPointer(this)] {
        if (self) {
            self->handleItemClick();
        }
    });
    statusItem_->setDoubleClickAction([self = QPointer(this)] {
        if (self) {
            self->handleDoubleClick();
        }
    });
    statusItem_->setMenu(statusMenu());

    // Its content is made when it first shows (and afresh for every showing).
    popover_ = popovers().makePopover();
    popover_->setBehavior(Popover::Behavior::Transient);

    eventMonitor_ =
        std::make_unique<EventMonitor>(outsideClickMask, [self = QPointer(this)](const Event&) {
            if (self) {
                self->handleOutsideClick();
            }
        });

    auto& center = NotificationCenter::defaultCenter();
    notificationObservers_.push_back(
        center.addObserver(Notification::suspendEventMonitor, [self = QPointer(this)] {
            if (self) {
                self->handleSuspendEventMonitor();
            }
        }));
    notificationObservers_.push_back(
        center.addObserver(Notification::panelUsed, [self = QPointer(this)] {
            if (self) {
                self->panelUsed_ = true;
            }
        }));
    notificationObservers_.push_back(
        center.addObserver(Notification::requestClosePopover, [self = QPointer(this)] {
            if (self) {
                self->handleRequestClosePopover();
            }
        }));

    preferencesConnection_ =
        connect(&preferences(), &PreferencesStore::changed, this, [this](const std::string& key) {
            const auto& keys = PreferencesKey::shortcut;
            if (std::any_of(std::begin(keys), std::end(keys),
                            [&key](const std::string* k) { return *k == key; })) {
                registerHotkey();
            }
        });

    registerHotkey();
}

void AppDelegate::applicationWillTerminate() {
    unregisterHotkey();
    disconnect(preferencesConnection_);
}

std::vector<StatusMenuItem> AppDelegate::statusMenu() {
    auto text = [](const char* key) { return localized(key).toStdString(); };
    std::vector<StatusMenuItem> items{{text("Show Panel"),
                                       [self = QPointer(this)] {
                                           if (self && !self->popover_->isShown()) {
                                               self->showPopover();
                                           }
                                       },
                                       {}},
                                      {text("Settings…"), openSettings_, {}}};
    items.insert(items.end(), moreMenuItems_.begin(), moreMenuItems_.end());
    // Quitting here is quitting from the panel's footer: the application ends.
    items.push_back({text("Quit"), [] { application().terminate(); }, {}});
    return items;
}

std::unique_ptr<PanelController> AppDelegate::makePanelController() {
    auto controller = makeContent_();
    const double height = std::max(controller->fittingHeight(panelWidth), 1.0);
    popover_->setContentSize({panelWidth, height});
    return controller;
}

void AppDelegate::showPopover() {
    if (!statusItem_) {
        return;
    }
    popover_->setContentViewController(makePanelController());
    panelUsed_ = false;
    application().activateIgnoringOtherApps();
    popover_->showAt(statusItem_->anchor());
    eventMonitor_->start();
}

void AppDelegate::handleItemClick() {
    const auto closedAt = std::exchange(closedByOutsideClickAt_, std::nullopt);
    if (!popover_->isShown() && closedAt && mainQueue().now() - *closedAt < sameClickSeconds) {
        return;
    }
    togglePopover();
}

void AppDelegate::togglePopover() {
    if (popover_->isShown()) {
        closePopover();
    } else {
        showPopover();
    }
}

void AppDelegate::handleDoubleClick() {
    // A screen reader or the keyboard can flip a switch between two presses quick enough for
    // a double click; a closed panel always opens.
    if (popover_->isShown() && !panelUsed_) {
        return;
    }
    togglePopover();
}

void AppDelegate::closePopover() {
    popover_->performClose();
    eventMonitor_->stop();
}

void AppDelegate::handleRequestClosePopover() {
    if (popover_->isShown()) {
        closePopover();
    }
}

void AppDelegate::handleOutsideClick() {
    if (popover_->isShown()) {
        closePopover();
        closedByOutsideClickAt_ = mainQueue().now();
    }
}

void AppDelegate::handleSuspendEventMonitor() {
    eventMonitor_->stop();
    popover_->setBehavior(Popover::Behavior::ApplicationDefined);
    // Each suspension restores on its own schedule; a later one never postpones an earlier one.
    mainQueue().asyncAfter(suspensionSeconds, [self = QPointer(this)] {
        if (!self) {
            return;
        }
        self->popover_->setBehavior(Popover::Behavior::Transient);
        if (self->popover_->isShown()) {
            self->eventMonitor_->start();
        }
    });
}

void AppDelegate::registerHotkey() {
    unregisterHotkey();
    // All three are read even when the shortcut is off, so unreadable values are reported at
    // start whatever the switch says.
    const bool enabled = Preferences::hotkeyEnabled();
    const std::int64_t keyCode = Preferences::hotkeyKeyCode();
    const std::int64_t flags = Preferences::hotkeyModifierFlags();
    const bool validKeyCode = PreferencesValid::hotkeyKeyCode(keyCode);
    const bool validFlags = PreferencesValid::hotkeyModifierFlags(flags);
    if (!validKeyCode) {
        preferences().reportIgnored(PreferencesKey::hotkeyKeyCode, "not a key code");
    }
    if (!validFlags) {
        preferences().reportIgnored(PreferencesKey::hotkeyModifierFlags, "not modifier flags");
    }
    if (!enabled || keyCode < 0 || !validKeyCode || !validFlags) {
        return;
    }
    GlobalHotkey* hotkey = globalHotkey();
    if (!hotkey) {
        return;
    }
    if (!hotkeyConnection_) {
        // The desktop takes the keys from whatever has the focus, Swivlo's own panel too: a
        // second press closes the panel it opened.
        hotkeyConnection_ = connect(hotkey, &GlobalHotkey::pressed, this, [this] {
            if (hotkeyBound_) {
                togglePopover();
            }
        });
    }
    const auto whyNot =
        hotkey->bind(static_cast<std::uint64_t>(flags), static_cast<std::uint16_t>(keyCode));
    hotkeyBound_ = !whyNot;
    if (whyNot) {
        logLine("⚠️ The global shortcut does not work: " + whyNot->toStdString());
    }
}

void AppDelegate::unregisterHotkey() {
    GlobalHotkey* hotkey = globalHotkey();
    if (hotkey && (hotkeyBound_ || !hotkey->problem().isEmpty())) {
        hotkey->unbind();
    }
    hotkeyBound_ = false;
}

}  // namespace swivlo
