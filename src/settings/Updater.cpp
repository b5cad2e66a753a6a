#include "settings/Updater.h"

namespace swivlo {

CheckForUpdatesViewModel::CheckForUpdatesViewModel(Updater& updater, QObject* parent)
    : QObject(parent), canCheckForUpdates_(updater.canCheckForUpdates()) {
    connect(&updater, &Updater::canCheckForUpdatesChanged, this, [this](bool canCheck) {
        canCheckForUpdates_ = canCheck;
        emit changed(canCheck);
    });
}

}  // namespace swivlo
