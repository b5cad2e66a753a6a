#include "platform/desktop/PanelPopover.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>
#include <cmath>

#include "platform/StatusBar.h"

namespace swivlo::desktop {

namespace {
constexpr int gapBelowItem = 4;
}

WidgetPanelController::WidgetPanelController(std::unique_ptr<QWidget> content)
    : content_(std::move(content)) {}

double WidgetPanelController::fittingHeight(double width) {
    if (!content_) {
        return 0;
    }
    const int w = static_cast<int>(std::lround(width));
    content_->setFixedWidth(w);
    if (content_->layout()) {
        content_->layout()->activate();
    }
    const int forWidth = content_->hasHeightForWidth() ? content_->heightForWidth(w) : -1;
    return forWidth > 0 ? forWidth : content_->sizeHint().height();
}

PanelPopover::PanelPopover()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setWindowTitle(QStringLiteral("Swivlo"));
    setFocusPolicy(Qt::StrongFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // Another of Swivlo's windows taking the focus (settings, the screen cleaner) is activity
    // outside the panel too.
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* focused) {
        if (focused && focused != windowHandle() && behavior_ == Behavior::Transient &&
            isVisible()) {
            hide();
        }
    });
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationInactive && behavior_ == Behavior::Transient &&
                    isVisible()) {
                    hide();
                }
            });
}

PanelPopover::~PanelPopover() {
    if (outsideWatch_) {
        eventMonitors().removeMonitor(*outsideWatch_);
    }
}

void PanelPopover::setBehavior(Behavior behavior) {
    behavior_ = behavior;
    updateOutsideWatch();
}

void PanelPopover::setContentViewController(std::unique_ptr<PanelController> controller) {
    auto* widgetController = dynamic_cast<WidgetPanelController*>(controller.get());
    std::unique_ptr<QWidget> content =
        widgetController ? widgetController->takeContent() : std::make_unique<QWidget>();
    if (content_) {
        layout()->removeWidget(content_.get());
    }
    content_ = std::move(content);
    content_->setParent(this);
    layout()->addWidget(content_.get());
    content_->show();
}

void PanelPopover::setContentSize(QSizeF size) {
    contentSize_ = size;
    const QSize pixels(static_cast<int>(std::lround(size.width())),
                       static_cast<int>(std::lround(size.height())));
    setFixedSize(pixels);
    if (content_) {
        content_->setFixedSize(pixels);
    }
}

QPoint PanelPopover::placement(QRect anchor, QPoint cursor, QSize size, QRect available) {
    if (anchor.isEmpty()) {
        anchor = QRect(cursor, QSize(1, 1));
    }
    int x = anchor.center().x() - size.width() / 2;
    int y = anchor.bottom() + 1 + gapBelowItem;
    // A tray at the bottom of the screen: open above the item instead.
    if (y + size.height() > available.bottom() + 1 && anchor.top() > available.center().y()) {
        y = anchor.top() - gapBelowItem - size.height();
    }
    x = std::clamp(x, available.left(),
                   std::max(available.left(), available.right() + 1 - size.width()));
    y = std::clamp(y, available.top(),
                   std::max(available.top(), available.bottom() + 1 - size.height()));
    return {x, y};
}

void PanelPopover::showRelativeTo(const StatusItem& item) {
    const QRect anchor = item.buttonScreenRect();
    const QPoint cursor = QCursor::pos();
    QScreen* screen = QGuiApplication::screenAt(anchor.isEmpty() ? cursor : anchor.center());
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 800);
    move(placement(anchor, cursor, size(), available));
    show();
    raise();
    activateWindow();
    // Open with nothing focused, as the host's panels do; Tab then walks the controls.
    setFocus(Qt::ActiveWindowFocusReason);
    updateOutsideWatch();
}

void PanelPopover::performClose() {
    hide();
}

void PanelPopover::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    updateOutsideWatch();
}

void PanelPopover::updateOutsideWatch() {
    const bool wanted = behavior_ == Behavior::Transient && isVisible();
    if (wanted == outsideWatch_.has_value()) {
        return;
    }
    if (!wanted) {
        eventMonitors().removeMonitor(*outsideWatch_);
        outsideWatch_.reset();
        return;
    }
    const EventMask mask = eventMask(EventType::LeftMouseDown) |
                           eventMask(EventType::RightMouseDown) |
                           eventMask(EventType::OtherMouseDown);
    outsideWatch_ = eventMonitors().addGlobalMonitor(mask, [self = QPointer(this)](const Event&) {
        if (self && self->behavior_ == Behavior::Transient) {
            self->hide();
        }
    });
}

void PanelPopover::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && behavior_ == Behavior::Transient) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PanelPopover::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setPen(palette().mid().color());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace swivlo::desktop
