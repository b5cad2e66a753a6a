#include "cleaner/ScreenCleanerWindow.h"

#include <QCloseEvent>
#include <QPalette>
#include <QPointer>
#include <QVBoxLayout>

#include "cleaner/CoveringFrame.h"
#include "cleaner/ScreenCleanerView.h"
#include "platform/Application.h"
#include "platform/LogOutput.h"
#include "platform/Screens.h"
#include "platform/WindowStacking.h"

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
    // Never leave a monitor or stacking watch behind.
    if (eventMonitor_) {
        eventMonitors().removeMonitor(*eventMonitor_);
    }
    if (cleaning_) {
        windowStacking().stopKeepingOnTop(winId());
    }
}

void ScreenCleanerWindow::applyCoveringFrame() {
    setGeometry(coveringFrame(screens().frames()).toAlignedRect());
}

void ScreenCleanerWindow::activate() {
    // Displays may have come or gone since the last time.
    applyCoveringFrame();
    application().activateIgnoringOtherApps();
    cleaning_ = true;
    show();
    raise();
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
    // Windows that other programs map later must not cover it or take its clicks.
    windowStacking().keepOnTop(winId(), [window = QPointer<ScreenCleanerWindow>(this)] {
        if (window) {
            window->windowLost();
        }
    });

    // A second monitor would outlive deactivate() and eat the app's input for good.
    if (eventMonitor_) {
        eventMonitors().removeMonitor(*eventMonitor_);
    }
    eventMonitor_ = eventMonitors().addLocalMonitor(localMonitorMask, filterLocalEvent);

    // Refused, the keyboard still reaches other programs: the user must see that here, as the
    // panel that could show an alert is closing under this window.
    const bool keyboardLocked = keyboardBlocker_.start();
    if (!keyboardLocked) {
        logLine(blockerFailedLine);
    }
    view_->setKeyboardLocked(keyboardLocked);
    logLine(activatedLine);
}

void ScreenCleanerWindow::deactivate() {
    endCleaning();
    hide();
}

void ScreenCleanerWindow::setVisible(bool visible) {
    // Nothing may stay blocked once nothing is on screen.
    if (!visible && cleaning_) {
        endCleaning();
    }
    QWidget::setVisible(visible);
}

void ScreenCleanerWindow::closeEvent(QCloseEvent* event) {
    // A window manager's or session manager's close request (spontaneous): only the exit button
    // ends the mode. The application quitting closes its windows too, and must not be refused.
    if (cleaning_ && event->spontaneous()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void ScreenCleanerWindow::endCleaning() {
    if (cleaning_) {
        windowStacking().stopKeepingOnTop(winId());
    }
    cleaning_ = false;
    stopInputBlocking();
    logLine(deactivatedLine);
}

void ScreenCleanerWindow::windowLost() {
    if (cleaning_) {
        endCleaning();
    }
    hide();
    // The native window may be gone for good: the next activation makes a new one.
    destroy();
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
