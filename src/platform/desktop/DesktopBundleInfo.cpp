#include "platform/desktop/DesktopBundleInfo.h"

namespace swivlo::desktop {

std::optional<QVariant> DesktopBundleInfo::infoValue(const std::string& key) const {
#if defined(SWIVLO_SHORT_VERSION) && defined(SWIVLO_BUILD_NUMBER)
    if (key == "CFBundleShortVersionString") {
        return QVariant(QStringLiteral(SWIVLO_SHORT_VERSION));
    }
    if (key == "CFBundleVersion") {
        return QVariant(QStringLiteral(SWIVLO_BUILD_NUMBER));
    }
#else
    (void)key;
#endif
    return std::nullopt;
}

}  // namespace swivlo::desktop
