#pragma once

#include <QWidget>
#include <memory>
#include <optional>

#include "platform/Popover.h"

namespace swivlo::desktop {

// The height `content` needs at `width`.
double fittingHeight(QWidget& content, int width);

// Panel content backed by a widget.
class WidgetPanelController : public PanelController {
public:
    explicit WidgetPanelController(std::unique_ptr<QWidget> content);
    double fittingHeight(double width) override;
    QWidget* view() override { return content_.get(); }

private:
    std::unique_ptr<QWidget> content_;
};

// The panel: a frameless, always-on-top tool window under the tray icon. It is not a Qt::Popup,
// which would hold a keyboard grab (the screen cleaner needs its own). Under the transient
// behaviour it closes itself on Escape and when another window takes the focus; a click in
// another application is the application's to watch for. It follows its content's height while
// shown, but never grows past the screen's edge: the content then gets less than it asked for.
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
    void showAt(QRect anchor) override;
    void performClose() override;
    bool isShown() const override { return isVisible(); }

    // Where a panel of `size` goes for an `anchor` (empty: the top right corner) inside
    // `available`: below it, else above it when there is room there, else on the roomier side,
    // no taller than the room on that side.
    static QRect placement(QRect anchor, QSize size, QRect available);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void updateFrame();
    // sway centres every Xwayland window it maps: its own command puts the panel in place,
    // once sway has the window (from the first paint on).
    void placeThroughSway(int attempts);

    struct Anchor {
        QRect item;
        QRect available;
    };

    Behavior behavior_ = Behavior::Transient;
    QSizeF contentSize_{300, 1};
    std::unique_ptr<PanelController> controller_;
    QWidget* content_ = nullptr;  // the controller's view, if it has one
    // Where the panel was last opened; it keeps to that place when its height changes.
    std::optional<Anchor> anchor_;
    bool swayPlacementDue_ = false;
};

class PanelPopoverFactory : public PopoverFactory {
public:
    std::unique_ptr<Popover> makePopover() override { return std::make_unique<PanelPopover>(); }
};

}  // namespace swivlo::desktop
