#pragma once

#include "platform/BundleInfo.h"

namespace swivlo::desktop {

// The version values this build was made with.
class DesktopBundleInfo : public BundleInfo {
public:
    std::optional<QVariant> infoValue(const std::string& key) const override;
};

}  // namespace swivlo::desktop
