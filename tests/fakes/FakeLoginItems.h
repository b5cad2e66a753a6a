#pragma once

#include <map>
#include <string>

#include "platform/BundleInfo.h"
#include "platform/LoginItems.h"

namespace swivlo::testing {

// A login item that is only a flag; `failWrites` makes every change fail.
class FakeLoginItems : public LoginItems {
public:
    bool isEnabled() const override { return enabled; }
    bool setEnabled(bool value, std::string& whyNot) override {
        ++writes;
        if (failWrites) {
            whyNot = "the login items cannot be changed";
            return false;
        }
        enabled = value;
        return true;
    }

    bool enabled = false;
    bool failWrites = false;
    int writes = 0;
};

// Information values a test chooses.
class FakeBundleInfo : public BundleInfo {
public:
    std::optional<QVariant> infoValue(const std::string& key) const override {
        const auto it = values.find(key);
        return it == values.end() ? std::nullopt : std::optional<QVariant>(it->second);
    }

    std::map<std::string, QVariant> values;
};

}  // namespace swivlo::testing
