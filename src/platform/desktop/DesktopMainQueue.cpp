#include "platform/desktop/DesktopMainQueue.h"

#include <QCoreApplication>
#include <QTimer>
#include <cmath>

namespace swivlo::desktop {

void DesktopMainQueue::async(std::function<void()> block) {
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(block), Qt::QueuedConnection);
}

void DesktopMainQueue::asyncAfter(double seconds, std::function<void()> block) {
    const int ms = static_cast<int>(std::lround(std::max(seconds, 0.0) * 1000));
    QTimer::singleShot(ms, Qt::PreciseTimer, QCoreApplication::instance(), std::move(block));
}

double DesktopMainQueue::now() const {
    // A monotonic clock: a change of the wall clock does not move a deadline.
    return static_cast<double>(clock_.nsecsElapsed()) / 1e9;
}

}  // namespace swivlo::desktop
