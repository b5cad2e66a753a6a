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
    // Other hosts with a defaults tool keep their own store format: ask the tool.
    const ProcessOutcome outcome =
        processes_.run({HostPaths::defaults, {"read", "-g", key}, std::nullopt});
    if (!outcome.launched || outcome.exitStatus != 0) {
        return std::nullopt;
    }
    return QVariant(QString::fromUtf8(outcome.output).trimmed());
#endif
}

}  // namespace swivlo
