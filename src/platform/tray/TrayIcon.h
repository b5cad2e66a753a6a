#pragma once

#include <QIcon>
#include <QObject>
#include <QRect>
#include <vector>

#include "platform/StatusBar.h"

namespace swivlo::tray {

// One way of showing Swivlo's icon in a tray: the icon, its menu, and the clicks on it.
class TrayIcon : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    virtual void setIcon(const QIcon& icon) = 0;
    virtual void setMenu(const std::vector<StatusMenuItem>& items) = 0;
    // True while a tray shows the icon.
    virtual bool isVisible() const = 0;
    // The icon's bounds on screen; empty when the tray does not tell.
    virtual QRect geometry() const { return {}; }

signals:
    // A primary click, at `anchor` in screen coordinates (empty: the tray did not say where).
    void activated(QRect anchor);
    // The second press of a double click, after its first arrived as activated().
    void doubleClicked();
    void visibleChanged(bool visible);
};

}  // namespace swivlo::tray
