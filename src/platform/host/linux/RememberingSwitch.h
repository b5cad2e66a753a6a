#pragma once

#include <QJsonObject>
#include <QString>
#include <map>
#include <memory>
#include <optional>
#include <utility>

#include "platform/host/linux/DesktopSwitch.h"
#include "platform/host/linux/FoundValues.h"

namespace swivlo::linuxhost {

// A switch that keeps what the user had before its first change under its own key in the found
// values, so "off" can give it back, also after a restart.
class RememberingSwitch : public DesktopSwitch {
public:
    RememberingSwitch(FoundValues& found, QString key) : found_(found), key_(std::move(key)) {}

protected:
    // A record left from a change the user has since undone elsewhere is stale: the values
    // found now replace it.
    bool rememberBeforeOn(const QJsonObject& values) {
        found_.forget(key_);
        return found_.remember(key_, values);
    }
    std::optional<QJsonObject> found() const { return found_.find(key_); }
    void forget() { found_.forget(key_); }

private:
    FoundValues& found_;
    QString key_;
};

// A desktop's three remembering switches, each keeping its values under "<desktop>.<switch>".
template <class DarkMode, class HideDesktop, class AutoHideDock>
std::map<Capability, std::unique_ptr<DesktopSwitch>> makeRememberingSwitches(
    FoundValues& found, const QString& desktop) {
    std::map<Capability, std::unique_ptr<DesktopSwitch>> switches;
    switches[Capability::darkMode] =
        std::make_unique<DarkMode>(found, desktop + QStringLiteral(".darkMode"));
    switches[Capability::hideDesktop] =
        std::make_unique<HideDesktop>(found, desktop + QStringLiteral(".hideDesktop"));
    switches[Capability::autoHideDock] =
        std::make_unique<AutoHideDock>(found, desktop + QStringLiteral(".autoHideDock"));
    return switches;
}

}  // namespace swivlo::linuxhost
