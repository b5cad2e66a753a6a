#pragma once

#include <QSocketNotifier>
#include <memory>

#include "platform/hotkey/GlobalHotkey.h"

namespace swivlo {

// Takes the combination from the X server with a passive grab on the root window, on a
// connection of its own: the key press comes here whatever window has the focus (Swivlo's own
// panel too), and no other client sees it. Grabbed with and without Caps Lock and Num Lock, so
// neither lock stops it.
class X11KeyGrab : public GlobalHotkey {
    Q_OBJECT

public:
    // None when there is no X server to grab from.
    static std::unique_ptr<X11KeyGrab> open();
    ~X11KeyGrab() override;

    std::optional<QString> bind(std::uint64_t flags, std::uint16_t keyCode) override;
    void unbind() override;

private:
    explicit X11KeyGrab(void* display);
    void drain();
    void grab(bool take);

    void* display_;  // Display*, kept opaque so X11 headers stay in the .cpp
    std::unique_ptr<QSocketNotifier> notifier_;
    unsigned keycode_ = 0;
    unsigned modifiers_ = 0;
    bool held_ = false;  // the key is down: auto-repeat presses do not count again
};

}  // namespace swivlo
