#pragma once

#include <QMenu>
#include <QSystemTrayIcon>
#include <memory>

#include "platform/tray/TrayIcon.h"

namespace swivlo::tray {

// Fills `menu` with `items`: commands, submenus and separators.
void fillMenu(QMenu& menu, const std::vector<StatusMenuItem>& items);

// The icon in an XEmbed tray (X11's system tray protocol) through QSystemTrayIcon, which knows
// the icon's bounds and embeds it again when a tray appears. Only made while no
// StatusNotifierWatcher is on the bus: Qt decides once per process whether its own icon goes
// to the watcher, and it must decide against.
class XEmbedTrayIcon : public TrayIcon {
    Q_OBJECT

public:
    explicit XEmbedTrayIcon(QObject* parent = nullptr);
    void setIcon(const QIcon& icon) override;
    void setMenu(const std::vector<StatusMenuItem>& items) override;
    bool isVisible() const override;
    QRect geometry() const override { return icon_.geometry(); }

private:
    QSystemTrayIcon icon_;
    std::unique_ptr<QMenu> menu_;
};

}  // namespace swivlo::tray
