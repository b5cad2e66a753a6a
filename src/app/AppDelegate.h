#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "app/EventMonitor.h"
#include "platform/NotificationCenter.h"
#include "platform/Popover.h"
#include "platform/StatusBar.h"

namespace swivlo {

// Builds the menu bar item, its menu and its (empty) panel at launch, and opens and closes the
// panel from the item, the global shortcut, outside clicks and in-app requests.
class AppDelegate : public QObject {
    Q_OBJECT

public:
    using PanelContentFactory = std::function<std::unique_ptr<PanelController>()>;
    // Opens the settings window: the same action as the panel's Settings button.
    using SettingsOpener = std::function<void()>;

    static constexpr double panelWidth = 300;
    static constexpr double suspensionSeconds = 2.5;
    // A tray that tells its item of a click on release (StatusNotifierItem hosts) lets the press
    // reach the outside-click monitor first: a click on the item this soon after such a close
    // is the same click, and leaves the panel closed.
    static constexpr double sameClickSeconds = 0.6;
    // A click in another application closes a transient panel: the one watch for it.
    static constexpr EventMask outsideClickMask = eventMask(EventType::LeftMouseDown) |
                                                  eventMask(EventType::RightMouseDown) |
                                                  eventMask(EventType::OtherMouseDown);

    // `moreMenuItems` go between "Settings…" and "Quit" in the item's menu.
    explicit AppDelegate(PanelContentFactory makeContent, SettingsOpener openSettings = {},
                         std::vector<StatusMenuItem> moreMenuItems = {}, QObject* parent = nullptr);
    ~AppDelegate() override;

    void applicationDidFinishLaunching();
    void applicationWillTerminate();

    void togglePopover();
    // Opens the panel at the item's anchor, with or without a tray to show the item.
    void showPopover();
    // A click on the item: opens the panel, or closes the open one.
    void handleItemClick();
    std::unique_ptr<PanelController> makePanelController();
    void handleRequestClosePopover();
    void handleSuspendEventMonitor();
    // The second press of a double click on the item: the click that opened the panel, said
    // twice, unless the panel was used in between or is closed.
    void handleDoubleClick();

    void registerHotkey();
    void unregisterHotkey();

    // For tests and the desktop glue.
    StatusItem* statusItem() const { return statusItem_.get(); }
    Popover* popover() const { return popover_.get(); }
    EventMonitor* eventMonitor() const { return eventMonitor_.get(); }
    // The stored shortcut is taken from the desktop.
    bool hasHotkey() const { return hotkeyBound_; }

private:
    // The item's menu: "Show Panel" first (trays that open the menu on a left click reach the
    // panel through it), "Settings…", the shell's other items, and "Quit".
    std::vector<StatusMenuItem> statusMenu();
    void closePopover();
    void handleOutsideClick();

    std::unique_ptr<StatusItem> statusItem_;
    std::unique_ptr<Popover> popover_;
    std::unique_ptr<EventMonitor> eventMonitor_;
    bool hotkeyBound_ = false;
    QMetaObject::Connection hotkeyConnection_;
    // When an outside click last closed the panel, on the main queue's clock.
    std::optional<double> closedByOutsideClickAt_;
    QMetaObject::Connection preferencesConnection_;
    // Something was changed from the panel since it last opened: a press after that is a
    // click of its own, however soon it follows the one that opened the panel.
    bool panelUsed_ = false;

    PanelContentFactory makeContent_;
    SettingsOpener openSettings_;
    std::vector<StatusMenuItem> moreMenuItems_;
    std::vector<NotificationCenter::Token> notificationObservers_;
};

}  // namespace swivlo
