#pragma once

#include <QWidget>
#include <optional>

#include "cleaner/KeyboardInputBlocker.h"
#include "platform/Events.h"

namespace swivlo {

class ScreenCleanerView;

// The black window over every display while the screens are cleaned. While active it discards
// the app's own input through a local monitor and everyone's keys through the keyboard blocker,
// and stays above every other window; only its exit button leaves the mode. Close requests are
// refused, and whatever hides the window ends the blocking first.
class ScreenCleanerWindow : public QWidget {
    Q_OBJECT

public:
    // The event types the local monitor sees; of those only left mouse down and up go through.
    static constexpr EventMask localMonitorMask =
        eventMask(EventType::LeftMouseDown) | eventMask(EventType::LeftMouseUp) |
        eventMask(EventType::RightMouseDown) | eventMask(EventType::RightMouseUp) |
        eventMask(EventType::MouseMoved) | eventMask(EventType::LeftMouseDragged) |
        eventMask(EventType::RightMouseDragged) | eventMask(EventType::KeyDown) |
        eventMask(EventType::KeyUp) | eventMask(EventType::ScrollWheel) |
        eventMask(EventType::OtherMouseDown) | eventMask(EventType::OtherMouseUp) |
        eventMask(EventType::OtherMouseDragged);
    static_assert(localMonitorMask == 0x0E400CFE);

    static constexpr const char* activatedLine = "✅ Screen Cleaner Mode activated";
    static constexpr const char* deactivatedLine = "✅ Screen Cleaner Mode deactivated";
    static constexpr const char* blockerFailedLine =
        "⚠️ Keyboard blocker failed to start. Input Monitoring permission may be missing.";

    // The one window of the process, made on first use and never freed.
    static ScreenCleanerWindow& shared();

    // Public for tests; the program uses shared().
    ScreenCleanerWindow();
    ~ScreenCleanerWindow() override;

    void activate();
    void deactivate();
    void stopInputBlocking();
    // Between activate() and whatever ends the mode.
    bool isCleaning() const { return cleaning_; }

    void setVisible(bool visible) override;

    // The local monitor's handler.
    static std::optional<Event> filterLocalEvent(const Event& event);

    std::optional<MonitorToken> eventMonitor() const { return eventMonitor_; }
    KeyboardInputBlocker& keyboardBlocker() { return keyboardBlocker_; }
    ScreenCleanerView* view() const { return view_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void applyCoveringFrame();
    // Leaves the mode: nothing stays blocked or kept on top, and the log says so.
    void endCleaning();
    // Another program unmapped or destroyed the window.
    void windowLost();

    bool cleaning_ = false;
    std::optional<MonitorToken> eventMonitor_;
    KeyboardInputBlocker keyboardBlocker_;
    ScreenCleanerView* view_ = nullptr;
};

}  // namespace swivlo
