#pragma once

#include <map>
#include <optional>
#include <string>

#include "fakes/CallLog.h"
#include "platform/PreferencesStore.h"

namespace swivlo::testing {

// An in-memory store that reports every change synchronously, like the desktop store does.
class MemoryPreferencesStore : public PreferencesStore {
public:
    explicit MemoryPreferencesStore(CallLog* log = nullptr) : log_(log) {}

    std::optional<QVariant> object(const std::string& key) const override;

    // Empty unless a test sets it (to a temporary folder), so tests never write beside the
    // real preferences file.
    std::string preferencesDirectory() const override { return directory; }
    std::string directory;

    void clear() { values_.clear(); }
    // While set, every write fails for this reason and changes nothing.
    std::optional<std::string> refuseWrites;
    int writeCount() const { return writes_; }

protected:
    std::optional<std::string> write(const std::string& key,
                                     const std::optional<QVariant>& value) override;

private:
    std::map<std::string, QVariant> values_;
    CallLog* log_;
    int writes_ = 0;
};

}  // namespace swivlo::testing
