#include "platform/host/SystemGlobalDomain.h"

#include <QDir>
#include <QSettings>

#include "platform/HostPaths.h"

namespace swivlo {

std::optional<QVariant> SystemGlobalDomain::persistentValue(const std::string& key) const {
#ifdef Q_OS_MACOS
    const QSettings domain(QDir::homePath() + "/Library/Preferences/.GlobalPreferences.plist",
                           QSettings::NativeFormat);
    const QVariant value = domain.value(QString::fromStdString(key));
    return value.isValid() ? std::optional<QVariant>(value) : std::nullopt;
#else
    return startReading(key).wait();
#endif
}

#ifndef Q_OS_MACOS
Pending<std::optional<QVariant>> SystemGlobalDomain::startReading(const std::string& key) const {
    // Other hosts with a defaults tool keep their own store format: ask the tool.
    return processes_.start({HostPaths::defaults, {"read", "-g", key}, std::nullopt})
        .then([](const ProcessOutcome& outcome) -> std::optional<QVariant> {
            if (!outcome.launched || outcome.exitStatus != 0) {
                return std::nullopt;
            }
            return QVariant(QString::fromUtf8(outcome.output).trimmed());
        });
}
#endif

}  // namespace swivlo
