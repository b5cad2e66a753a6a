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

}  // namespace swivlo::desktop
