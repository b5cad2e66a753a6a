#include "platform/desktop/DesktopPlatform.h"

#include "platform/ShellServices.h"

namespace swivlo::desktop {

DesktopPlatform::DesktopPlatform() {
    installShellServices(this);
}

DesktopPlatform::~DesktopPlatform() {
    installShellServices<DesktopPlatform>(nullptr);
}

}  // namespace swivlo::desktop
