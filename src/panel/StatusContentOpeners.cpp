#include "cleaner/ScreenCleanerWindow.h"
#include "panel/StatusContent.h"
#include "settings/SettingsWindowController.h"

namespace swivlo {

StatusContent::Openers StatusContent::defaultOpeners() {
    return {
        [] { ScreenCleanerWindow::shared().activate(); },
        [] { SettingsWindowController::shared().showSettings(); },
    };
}

}  // namespace swivlo
