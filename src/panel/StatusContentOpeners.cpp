#include "cleaner/ScreenCleanerWindow.h"
#include "panel/StatusContent.h"

namespace swivlo {

StatusContent::Openers StatusContent::defaultOpeners() {
    return {
        [] { ScreenCleanerWindow::shared().activate(); },
        [] {},
    };
}

}  // namespace swivlo
