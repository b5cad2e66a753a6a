#pragma once

#include <QObject>
#include <memory>

#include "platform/WindowStacking.h"

class QSocketNotifier;

namespace swivlo::desktop {

// Keeps an unmanaged (override-redirect) window on top by watching the root window's children
// on a private X connection: whenever one is mapped or restacked above it, it is raised again.
// Works the same with or without a window manager, which never restacks unmanaged windows.
// Does nothing outside X11.
class X11WindowStacking : public QObject, public WindowStacking {
    Q_OBJECT

public:
    X11WindowStacking();
    ~X11WindowStacking() override;

    void keepOnTop(NativeWindow window, std::function<void()> onLost) override;
    void stopKeepingOnTop(NativeWindow window) override;

private:
    void drain();
    void raiseIfCovered();
    void close();

    void* display_ = nullptr;  // Display*, kept opaque so X11 headers stay in the .cpp
    NativeWindow kept_ = 0;
    std::function<void()> onLost_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace swivlo::desktop
