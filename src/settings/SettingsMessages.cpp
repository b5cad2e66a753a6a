#include "settings/SettingsMessages.h"

#include "core/Localized.h"
#include "settings/SettingsStyle.h"

namespace swivlo {

SettingsMessages::SettingsMessages(QObject* parent) : QObject(parent) {
    connect(&preferences(), &PreferencesStore::saveFailed, this,
            &SettingsMessages::preferencesNotSaved);
    preferencesNotSaved();
}

void SettingsMessages::post(const QString& text) {
    text_ = text;
    emit changed();
}

void SettingsMessages::dismiss() {
    post(QString());
}

void SettingsMessages::preferencesNotSaved() {
    if (const auto& reason = preferences().saveFailure()) {
        post(localized("Changes could not be saved: %1.").arg(QString::fromStdString(*reason)));
    }
}

}  // namespace swivlo
