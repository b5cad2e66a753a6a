#include "settings/Updater.h"

#include "core/Localized.h"
#include "settings/SettingsStyle.h"

namespace swivlo {

QString UnavailableUpdater::unavailableReason() const {
    return localized("This build has no update service: update it where you got it.");
}

}  // namespace swivlo
