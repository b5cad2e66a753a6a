#include "platform/host/linux/gnome/DockSwitch.h"

#include <QJsonObject>

#include "core/Localized.h"
#include "platform/host/linux/FoundValues.h"
#include "platform/host/linux/gnome/GnomeSwitches.h"
#include "platform/host/linux/gnome/ShellExtensions.h"

namespace swivlo::linuxhost::gnome {

namespace {

const QString dockFixed = QStringLiteral("dock-fixed");
const QString autohide = QStringLiteral("autohide");
const QString intellihide = QStringLiteral("intellihide");
const QStringList keys = {dockFixed, autohide, intellihide};
const QString foundKey = QStringLiteral("gnome.dash-to-dock");
// Dash to Dock, and Ubuntu's build of it: the same settings.
const QStringList docks = {QStringLiteral("dash-to-dock@micxgx.gmail.com"),
                           QStringLiteral("ubuntu-dock@ubuntu.com")};

bool dockRunning() {
    bool shellAnswered = false;
    for (const QString& uuid : docks) {
        if (const auto state = extensions::state(uuid)) {
            shellAnswered = true;
            if (*state == extensions::State::enabled) {
                return true;
            }
        }
    }
    if (shellAnswered) {
        return false;
    }
    // No shell on the bus: what its settings would start.
    const auto shell = GioSettings::open(QStringLiteral("org.gnome.shell"));
    for (const QString& uuid : docks) {
        if (shell && extensions::isInstalled(uuid) &&
            extensions::enabledInSettings(*shell, uuid).value_or(false)) {
            return true;
        }
    }
    return false;
}

}  // namespace

DockSwitch::DockSwitch(FoundValues& found)
    : RememberingSwitch(found, foundKey),
      settings_(GioSettings::open(QStringLiteral("org.gnome.shell.extensions.dash-to-dock"))) {}

Support DockSwitch::support() const {
    if (!settings_) {
        return {false, localized("No Dash to Dock or Ubuntu Dock")};
    }
    for (const QString& key : keys) {
        if (!settings_->has(key, "b")) {
            return {false, localized("The dock's settings lack %1").arg(key)};
        }
    }
    if (const QString problem = GioSettings::backendProblem(); !problem.isEmpty()) {
        return {false, problem};
    }
    if (!dockRunning()) {
        return {false, localized("The dock extension is not running")};
    }
    return {};
}

std::optional<bool> DockSwitch::isOn() {
    if (!settings_) {
        return std::nullopt;
    }
    const auto fixed = settings_->boolean(dockFixed);
    const auto hides = settings_->boolean(autohide);
    const auto dodges = settings_->boolean(intellihide);
    if (!fixed || !hides || !dodges) {
        return std::nullopt;
    }
    return dockHidesItself(*fixed, *hides, *dodges);
}

std::optional<QJsonObject> DockSwitch::valuesToKeep() {
    return QJsonObject{{dockFixed, *settings_->boolean(dockFixed)},
                       {autohide, *settings_->boolean(autohide)},
                       {intellihide, *settings_->boolean(intellihide)}};
}

bool DockSwitch::apply(bool on, const std::optional<QJsonObject>& kept) {
    if (on) {
        return settings_->write({{dockFixed, false}, {autohide, true}, {intellihide, false}});
    }
    if (kept && !dockHidesItself(kept->value(dockFixed).toBool(), kept->value(autohide).toBool(),
                                 kept->value(intellihide).toBool())) {
        SettingChanges back;
        for (const QString& key : keys) {
            back.emplace_back(key, kept->value(key).toBool());
        }
        return settings_->write(back);
    }
    // Nothing kept: the dock's own defaults, and a fixed dock where those hide it too.
    if (!settings_->reset(keys)) {
        return false;
    }
    return !isOn().value_or(true) || settings_->write({{dockFixed, true}});
}

}  // namespace swivlo::linuxhost::gnome
