#pragma once

#include <QWidget>
#include <memory>
#include <optional>

#include "platform/Events.h"
#include "platform/Popover.h"

namespace swivlo::desktop {

// Panel content backed by a widget.
class WidgetPanelController : public PanelController {
public:
    explicit WidgetPanelController(std::unique_ptr<QWidget> content);
    double fittingHeight(double width) override;
    std::unique_ptr<QWidget> takeContent() { return std::move(content_); }

private:
    std::unique_ptr<QWidget> content_;
};

// The panel: a frameless, always-on-top tool window under the tray icon. It is not a Qt::Popup,
// which would hold a keyboard grab (the screen cleaner needs its own). Under the transient
// behaviour it closes itself on a click in another application, on Escape, and when another
// application takes the focus.
class PanelPopover : public QWidget, public Popover {
    Q_OBJECT

public:
    PanelPopover();
    ~PanelPopover() override;

    void setBehavior(Behavior behavior) override;
    Behavior behavior() const override { return behavior_; }
    void setContentViewController(std::unique_ptr<PanelController> controller) override;
    void setContentSize(QSizeF size) override;
    QSizeF contentSize() const override { return contentSize_; }
    void showRelativeTo(const StatusItem& item) override;
    void performClose() override;
    bool isShown() const override { return isVisible(); }

    // Where a panel of `size` goes for an item at `anchor` (empty: at `cursor`), kept inside
    // `available`.
    static QPoint placement(QRect anchor, QPoint cursor, QSize size, QRect available);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void updateOutsideWatch();

    Behavior behavior_ = Behavior::Transient;
    QSizeF contentSize_{300, 1};
    std::unique_ptr<QWidget> content_;
    std::optional<MonitorToken> outsideWatch_;
};

class PanelPopoverFactory : public PopoverFactory {
public:
    std::unique_ptr<Popover> makePopover() override { return std::make_unique<PanelPopover>(); }
};

}  // namespace swivlo::desktop
