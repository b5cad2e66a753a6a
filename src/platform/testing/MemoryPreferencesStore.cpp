#include "platform/testing/MemoryPreferencesStore.h"

namespace swivlo::testing {

std::optional<QVariant> MemoryPreferencesStore::object(const std::string& key) const {
    const auto it = values_.find(key);
    return it == values_.end() ? std::nullopt : std::optional<QVariant>(it->second);
}

void MemoryPreferencesStore::setObject(const std::string& key, const QVariant& value) {
    values_[key] = value;
    ++writes_;
    if (log_) {
        log_->record("preferences.set " + key + " " + value.toString().toStdString());
    }
    notifyChanged();
}

void MemoryPreferencesStore::removeObject(const std::string& key) {
    values_.erase(key);
    ++writes_;
    if (log_) {
        log_->record("preferences.remove " + key);
    }
    notifyChanged();
}

}  // namespace swivlo::testing
