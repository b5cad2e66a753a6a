#include "platform/desktop/DesktopPlatform.h"

#include "platform/AppServices.h"

namespace swivlo::desktop {

DesktopPlatform::DesktopPlatform() {
    installAppServices(this);
}

DesktopPlatform::~DesktopPlatform() {
    installAppServices<DesktopPlatform>(nullptr);
}

}  // namespace swivlo::desktop
