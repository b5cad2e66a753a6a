#include "platform/desktop/QtScreens.h"

#include <QGuiApplication>
#include <QScreen>

namespace swivlo::desktop {

std::vector<QRectF> QtScreens::frames() const {
    std::vector<QRectF> result;
    for (const QScreen* screen : QGuiApplication::screens()) {
        result.emplace_back(screen->geometry());
    }
    return result;
}

}  // namespace swivlo::desktop
