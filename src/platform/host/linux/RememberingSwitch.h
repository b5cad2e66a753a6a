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
// values, so "off" can give it back, also after a restart. The order is the same for every
// desktop: nothing is kept while the switch is already on (a second "on" must not take Swivlo's
// own values for the user's), the values are kept before the change, and forgotten only once
// "off" has given them back.
class RememberingSwitch : public DesktopSwitch {
public:
    RememberingSwitch(FoundValues& found, QString key) : found_(found), key_(std::move(key)) {}

    bool set(bool on) final {
        if (on) {
            if (isOn() == true) {
                return true;
            }
            // A record left from a change the user has since undone elsewhere is stale: the
            // values found now replace it.
            const auto values = valuesToKeep();
            if (!values) {
                return false;
            }
            found_.forget(key_);
            if (!found_.remember(key_, *values)) {
                return false;
            }
        }
        const bool done = apply(on, on ? std::nullopt : found_.find(key_));
        if (done && !on) {
            found_.forget(key_);
        }
        return done;
    }

protected:
    // What the user has now, to give back at "off"; none when it cannot be read.
    virtual std::optional<QJsonObject> valuesToKeep() = 0;
    // Makes the change; for "off", from the values `kept` (none: the desktop's own default).
    virtual bool apply(bool on, const std::optional<QJsonObject>& kept) = 0;

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
