#include "platform/desktop/PanelPopover.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <cmath>
#include <utility>

#include "platform/desktop/SwayIpc.h"

namespace swivlo::desktop {

namespace {
constexpr int gapBelowItem = 4;
constexpr int swayRetryMs = 20;
constexpr int swayAttempts = 50;
}  // namespace

WidgetPanelController::WidgetPanelController(std::unique_ptr<QWidget> content)
    : content_(std::move(content)) {}

double fittingHeight(QWidget& content, int width) {
    content.setFixedWidth(width);
    if (content.layout()) {
        content.layout()->activate();
    }
    const int forWidth = content.hasHeightForWidth() ? content.heightForWidth(width) : -1;
    return forWidth > 0 ? forWidth : content.sizeHint().height();
}

double WidgetPanelController::fittingHeight(double width) {
    return content_ ? desktop::fittingHeight(*content_, static_cast<int>(std::lround(width))) : 0;
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

PanelPopover::~PanelPopover() = default;

void PanelPopover::setBehavior(Behavior behavior) {
    behavior_ = behavior;
}

void PanelPopover::setContentViewController(std::unique_ptr<PanelController> controller) {
    if (content_) {
        layout()->removeWidget(content_);
    }
    // The previous controller goes, and its content with it.
    controller_ = std::move(controller);
    content_ = controller_ ? controller_->view() : nullptr;
    if (content_) {
        content_->setParent(this);
        layout()->addWidget(content_);
        content_->show();
    }
    updateFrame();
}

void PanelPopover::setContentSize(QSizeF size) {
    contentSize_ = size;
    updateFrame();
}

void PanelPopover::updateFrame() {
    const QSize wanted(static_cast<int>(std::lround(contentSize_.width())),
                       static_cast<int>(std::lround(contentSize_.height())));
    const QRect frame =
        anchor_ ? placement(anchor_->item, wanted, anchor_->available) : QRect(pos(), wanted);
    setFixedSize(frame.size());
    // Only the width is fixed: the content asks for a new height through its size hint.
    if (content_) {
        content_->setFixedWidth(frame.width());
    }
    if (anchor_) {
        move(frame.topLeft());
        swayPlacementDue_ = SwayIpc::available();
    }
}

void PanelPopover::placeThroughSway(int attempts) {
    if (!anchor_ || !isVisible() || attempts <= 0) {
        return;
    }
    if (!SwayIpc::moveWindow(winId(),
                             placement(anchor_->item, size(), anchor_->available).topLeft())) {
        // sway knows the window only once its first frame has reached it.
        QTimer::singleShot(swayRetryMs, this, [this, attempts] { placeThroughSway(attempts - 1); });
    }
}

bool PanelPopover::event(QEvent* event) {
    // The content's size hint changed (an alert, rows added): follow its height.
    if (event->type() == QEvent::LayoutRequest && content_) {
        const double height = std::max(fittingHeight(*content_, width()), 1.0);
        if (height != contentSize_.height()) {
            setContentSize({contentSize_.width(), height});
        }
    }
    return QWidget::event(event);
}

QRect PanelPopover::placement(QRect anchor, QSize size, QRect available) {
    if (anchor.isEmpty()) {
        anchor = QRect(available.topRight(), QSize(1, 1));
    }
    const int below = anchor.bottom() + 1 + gapBelowItem;
    const int roomBelow = available.bottom() + 1 - below;
    const int roomAbove = anchor.top() - gapBelowItem - available.top();
    const bool fitsBelow = size.height() <= roomBelow;
    const bool goesAbove = !fitsBelow && (size.height() <= roomAbove || roomAbove > roomBelow);
    const int height =
        std::clamp(size.height(), 1,
                   std::max(1, std::min(available.height(), goesAbove ? roomAbove : roomBelow)));
    int x = anchor.center().x() - size.width() / 2;
    int y = goesAbove ? anchor.top() - gapBelowItem - height : below;
    x = std::clamp(x, available.left(),
                   std::max(available.left(), available.right() + 1 - size.width()));
    y = std::clamp(y, available.top(), std::max(available.top(), available.bottom() + 1 - height));
    return {QPoint(x, y), QSize(size.width(), height)};
}

void PanelPopover::showAt(QRect anchor) {
    // Never the pointer: it may be anywhere, and on Wayland an X11 client reads it stale.
    QScreen* screen = anchor.isEmpty() ? nullptr : QGuiApplication::screenAt(anchor.center());
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 800);
    if (SwayIpc::available()) {
        available = SwayIpc::workArea().value_or(available);
    }
    anchor_ = Anchor{anchor, available};
    updateFrame();
    show();
    raise();
    activateWindow();
    // Open with nothing focused, as the host's panels do; Tab then walks the controls. Content
    // that took the focus as it appeared (an alert) keeps it.
    if (!focusWidget() || focusWidget() == this) {
        setFocus(Qt::ActiveWindowFocusReason);
    }
}

void PanelPopover::performClose() {
    hide();
}

void PanelPopover::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && behavior_ == Behavior::Transient) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PanelPopover::paintEvent(QPaintEvent*) {
    if (std::exchange(swayPlacementDue_, false)) {
        placeThroughSway(swayAttempts);
    }
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setPen(palette().mid().color());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace swivlo::desktop
