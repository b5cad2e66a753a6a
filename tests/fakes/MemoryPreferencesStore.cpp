#include "fakes/MemoryPreferencesStore.h"

namespace swivlo::testing {

std::optional<QVariant> MemoryPreferencesStore::object(const std::string& key) const {
    const auto it = values_.find(key);
    return it == values_.end() ? std::nullopt : std::optional<QVariant>(it->second);
}

std::optional<std::string> MemoryPreferencesStore::write(const std::string& key,
                                                         const std::optional<QVariant>& value) {
    ++writes_;
    if (refuseWrites) {
        return refuseWrites;
    }
    if (value) {
        values_[key] = *value;
        if (log_) {
            log_->record("preferences.set " + key + " " + value->toString().toStdString());
        }
    } else {
        values_.erase(key);
        if (log_) {
            log_->record("preferences.remove " + key);
        }
    }
    return std::nullopt;
}

}  // namespace swivlo::testing
