#pragma once

#include <QRect>
#include <QSizeF>
#include <memory>

#include "platform/Service.h"

class QWidget;

namespace swivlo {

// What the panel hosts: its content, measured at a given width.
class PanelController {
public:
    virtual ~PanelController() = default;
    virtual double fittingHeight(double width) = 0;
    // The widget the panel shows, owned by the controller; none for content that draws nothing.
    virtual QWidget* view() { return nullptr; }
};

// The panel that drops down from the status item.
class Popover {
public:
    enum class Behavior { ApplicationDefined = 0, Transient = 1 };

    virtual ~Popover() = default;
    virtual void setBehavior(Behavior behavior) = 0;
    virtual Behavior behavior() const = 0;
    virtual void setContentViewController(std::unique_ptr<PanelController> controller) = 0;
    virtual void setContentSize(QSizeF size) = 0;
    virtual QSizeF contentSize() const = 0;
    // Opens below `anchor` (a status item's anchor), or above it when there is no room below.
    virtual void showAt(QRect anchor) = 0;
    virtual void performClose() = 0;
    virtual bool isShown() const = 0;
};

class PopoverFactory {
public:
    virtual ~PopoverFactory() = default;
    virtual std::unique_ptr<Popover> makePopover() = 0;
};

inline PopoverFactory& popovers() {
    return Service<PopoverFactory>::get();
}

}  // namespace swivlo
