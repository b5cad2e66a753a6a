#include "settings/Updater.h"

#include "settings/SettingsStyle.h"

namespace swivlo {

QString UnavailableUpdater::unavailableReason() const {
    return settings::localized("This build has no update service: update it where you got it.");
}

CheckForUpdatesViewModel::CheckForUpdatesViewModel(Updater& updater, QObject* parent)
    : QObject(parent), canCheckForUpdates_(updater.canCheckForUpdates()) {
    connect(&updater, &Updater::canCheckForUpdatesChanged, this, [this](bool canCheck) {
        canCheckForUpdates_ = canCheck;
        emit changed(canCheck);
    });
}

}  // namespace swivlo
