#include "cleaner/ScreenCleanerWindow.h"

#include <QPalette>
#include <QVBoxLayout>

#include "app/Notifications.h"
#include "cleaner/CoveringFrame.h"
#include "cleaner/ScreenCleanerView.h"
#include "platform/Application.h"
#include "platform/LogOutput.h"
#include "platform/NotificationCenter.h"
#include "platform/Screens.h"

namespace swivlo {

ScreenCleanerWindow& ScreenCleanerWindow::shared() {
    // Deliberately never freed: the window is hidden between uses and lives with the process.
    static ScreenCleanerWindow* const instance = new ScreenCleanerWindow;
    return *instance;
}

ScreenCleanerWindow::ScreenCleanerWindow()
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           // Unmanaged, so no window manager stacks a dock or panel above it,
                           // and it stays put on every workspace.
                           Qt::X11BypassWindowManagerHint) {
    setWindowTitle(QStringLiteral("Swivlo Screen Cleaner"));
    applyCoveringFrame();

    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);

    view_ = new ScreenCleanerView(this);
    view_->onExit = [this] { deactivate(); };
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
}

ScreenCleanerWindow::~ScreenCleanerWindow() {
    // Only tests free a window; never leave their monitor behind.
    if (eventMonitor_ && Service<EventMonitors>::installed()) {
        eventMonitors().removeMonitor(*eventMonitor_);
    }
}

void ScreenCleanerWindow::applyCoveringFrame() {
    setGeometry(coveringFrame(screens().frames()).toAlignedRect());
}

void ScreenCleanerWindow::activate() {
    // Displays may have come or gone since the last time.
    applyCoveringFrame();
    application().activateIgnoringOtherApps();
    show();
    raise();
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);

    // A second monitor would outlive deactivate() and eat the app's input for good.
    if (eventMonitor_) {
        eventMonitors().removeMonitor(*eventMonitor_);
    }
    eventMonitor_ = eventMonitors().addLocalMonitor(localMonitorMask, filterLocalEvent);

    if (!keyboardBlocker_.start()) {
        logLine(blockerFailedLine);
        NotificationCenter::defaultCenter().post(Notification::showAccessibilityPermissionAlert);
    }
    logLine(activatedLine);
}

void ScreenCleanerWindow::deactivate() {
    hide();
    stopInputBlocking();
    logLine(deactivatedLine);
}

void ScreenCleanerWindow::stopInputBlocking() {
    if (eventMonitor_) {
        eventMonitors().removeMonitor(*eventMonitor_);
        eventMonitor_.reset();
    }
    keyboardBlocker_.stop();
}

std::optional<Event> ScreenCleanerWindow::filterLocalEvent(const Event& event) {
    // Left clicks reach the window so the exit button works; everything else is swallowed.
    if (event.type == EventType::LeftMouseDown || event.type == EventType::LeftMouseUp) {
        return event;
    }
    return std::nullopt;
}

}  // namespace swivlo
