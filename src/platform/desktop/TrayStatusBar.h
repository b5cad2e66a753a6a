#pragma once

#include <QMenu>
#include <QSystemTrayIcon>
#include <memory>

#include "platform/StatusBar.h"

namespace swivlo::desktop {

// The status item as a system tray icon. A left click (or the tray's own trigger) is the
// button's action, a double click counting once; a right click opens the item's menu.
class TrayStatusItem : public StatusItem {
public:
    TrayStatusItem();
    bool hasButton() const override { return QSystemTrayIcon::isSystemTrayAvailable(); }
    void setImage(const std::string& name) override;
    void setAction(std::function<void()> action) override;
    void setDoubleClickAction(std::function<void()> action) override;
    void setMenu(std::vector<StatusMenuItem> items) override;
    QRect buttonScreenRect() const override { return icon_.geometry(); }

private:
    QSystemTrayIcon icon_;
    std::function<void()> action_;
    std::function<void()> doubleClickAction_;
    std::unique_ptr<QMenu> menu_;
};

class TrayStatusBar : public StatusBar {
public:
    std::unique_ptr<StatusItem> statusItemWithLength(double length) override;
};

}  // namespace swivlo::desktop
