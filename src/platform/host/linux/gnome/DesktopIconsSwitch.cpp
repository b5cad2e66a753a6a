#include "platform/host/linux/gnome/DesktopIconsSwitch.h"

#include "core/Localized.h"
#include "platform/LogOutput.h"
#include "platform/host/linux/gnome/GnomeSwitches.h"
#include "platform/host/linux/gnome/ShellExtensions.h"

namespace swivlo::linuxhost::gnome {

namespace {

const QString enabledExtensions = QStringLiteral("enabled-extensions");
const QString disabledExtensions = QStringLiteral("disabled-extensions");

}  // namespace

DesktopIconsSwitch::DesktopIconsSwitch()
    : shell_(GioSettings::open(QStringLiteral("org.gnome.shell"))) {}

Support DesktopIconsSwitch::support() const {
    if (const auto state = extensions::state(uuid)) {
        if (*state == extensions::State::unknown || *state == extensions::State::uninstalled) {
            return {false, localized("Desktop Icons NG is not installed")};
        }
        return {};
    }
    if (!extensions::isInstalled(uuid)) {
        return {false, localized("Desktop Icons NG is not installed")};
    }
    if (!shell_ || !extensions::enabledInSettings(*shell_, uuid)) {
        return {false, localized("No GNOME Shell extension settings")};
    }
    if (const QString problem = GioSettings::backendProblem(); !problem.isEmpty()) {
        return {false, problem};
    }
    return {};
}

std::optional<bool> DesktopIconsSwitch::isOn() {
    if (const auto state = extensions::state(uuid)) {
        return *state != extensions::State::enabled;
    }
    const auto running = shell_ ? extensions::enabledInSettings(*shell_, uuid) : std::nullopt;
    if (!running) {
        return std::nullopt;
    }
    return !*running;
}

bool DesktopIconsSwitch::set(bool on) {
    if (extensions::state(uuid)) {
        if (!extensions::setEnabled(uuid, !on)) {
            return false;
        }
        if (!extensions::awaitRunning(uuid, !on)) {
            logLine(std::string("❌ GNOME Shell did not ") + (on ? "stop " : "start ") +
                    uuid.toStdString() +
                    (on ? "" : " (are user extensions switched off: disable-user-extensions?)"));
            return false;
        }
        logLine(std::string("✅ GNOME Shell ") + (on ? "stopped " : "started ") +
                uuid.toStdString());
        return true;
    }
    // As the shell's own extension manager does: the entry moves between the two lists.
    if (!shell_->write(
            {{enabledExtensions, withEntry(*shell_->strings(enabledExtensions), uuid, !on)},
             {disabledExtensions, withEntry(*shell_->strings(disabledExtensions), uuid, on)}})) {
        return false;
    }
    if (isOn() != on) {
        logLine("❌ The desktop icons stay off: GNOME Shell's disable-user-extensions is set");
        return false;
    }
    return true;
}

}  // namespace swivlo::linuxhost::gnome
