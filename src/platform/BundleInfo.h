#pragma once

#include <QVariant>
#include <optional>
#include <string>

#include "platform/Service.h"

namespace swivlo {

// The program's information values ("CFBundleShortVersionString", "CFBundleVersion").
class BundleInfo {
public:
    virtual ~BundleInfo() = default;
    virtual std::optional<QVariant> infoValue(const std::string& key) const = 0;
};

inline BundleInfo& bundleInfo() {
    return Service<BundleInfo>::get();
}

}  // namespace swivlo
