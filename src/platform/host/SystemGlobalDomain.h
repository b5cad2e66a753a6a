#pragma once

#include "platform/GlobalDomain.h"
#include "platform/ProcessRunner.h"

namespace swivlo {

// The real host's global domain. On macOS the preferences file is read directly (no process);
// the toolkit there follows the system appearance itself, so no change is reported.
class SystemGlobalDomain : public GlobalDomain {
public:
    explicit SystemGlobalDomain(ProcessRunner& processes) : processes_(processes) {}
    std::optional<QVariant> persistentValue(const std::string& key) const override;
#ifndef Q_OS_MACOS
    Pending<std::optional<QVariant>> startReading(const std::string& key) const override;
#endif

private:
    [[maybe_unused]] ProcessRunner& processes_;
};

}  // namespace swivlo
