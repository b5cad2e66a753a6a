#pragma once

#include <QRect>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Service.h"

namespace swivlo {

// One entry of the status item's menu: a command, a submenu when it has entries of its own, or
// a separator when it has neither title nor action.
struct StatusMenuItem {
    std::string title;
    std::function<void()> action;
    std::vector<StatusMenuItem> submenu;

    static StatusMenuItem separator() { return {}; }
};

// The item Swivlo places in the menu bar (on Linux: the system tray).
class StatusItem {
public:
    virtual ~StatusItem() = default;
    // True while a tray shows the item. Without one it still exists, and shows up when a tray
    // comes.
    virtual bool hasButton() const = 0;
    // Sets the image resource of that name; an unknown name leaves the button without one.
    virtual void setImage(const std::string& name) = 0;
    // What a primary click does.
    virtual void setAction(std::function<void()> action) = 0;
    // What the second press of a double click does, when the host tells it apart from a click;
    // a host that does not leaves it to the click action or drops it.
    virtual void setDoubleClickAction(std::function<void()> action) { (void)action; }
    // The menu a secondary click opens, replacing the one set before.
    virtual void setMenu(std::vector<StatusMenuItem> items) = 0;
    // Where the panel opens, in screen coordinates: where the item was last clicked; before any
    // click the item's bounds when the host tells them, else the corner of the screen next to
    // the tray's panel (the top right of the screen's free area when there is no tray). Empty
    // without any screen.
    virtual QRect anchor() const = 0;
};

class StatusBar {
public:
    static constexpr double variableLength = -1.0;

    virtual ~StatusBar() = default;
    virtual std::unique_ptr<StatusItem> statusItemWithLength(double length) = 0;
};

inline StatusBar& statusBar() {
    return Service<StatusBar>::get();
}

}  // namespace swivlo
