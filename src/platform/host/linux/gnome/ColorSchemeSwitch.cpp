#include "platform/host/linux/gnome/ColorSchemeSwitch.h"

#include "core/Localized.h"
#include "platform/LogOutput.h"
#include "platform/host/linux/gnome/GnomeSwitches.h"

namespace swivlo::linuxhost::gnome {

namespace {

const QString colorScheme = QStringLiteral("color-scheme");
const QString gtkTheme = QStringLiteral("gtk-theme");
const QString preferDark = QStringLiteral("prefer-dark");

}  // namespace

ColorSchemeSwitch::ColorSchemeSwitch()
    : settings_(GioSettings::open(QStringLiteral("org.gnome.desktop.interface"))) {}

Support ColorSchemeSwitch::support() const {
    if (!settings_ || !settings_->has(colorScheme, "s")) {
        return {false, localized("No colour-scheme setting")};
    }
    if (const QString problem = GioSettings::backendProblem(); !problem.isEmpty()) {
        return {false, problem};
    }
    return {};
}

std::optional<bool> ColorSchemeSwitch::isOn() {
    const auto scheme = settings_ ? settings_->string(colorScheme) : std::nullopt;
    if (!scheme) {
        return std::nullopt;
    }
    return *scheme == preferDark;
}

bool ColorSchemeSwitch::set(bool on) {
    if (!support().available) {
        return false;
    }
    SettingChanges changes = {{colorScheme, on ? preferDark : QStringLiteral("default")}};
    // Only to a twin that is installed: a missing theme leaves GTK apps unstyled.
    if (const auto theme = settings_->string(gtkTheme)) {
        const QString paired = gtkThemeFor(*theme, on);
        if (paired != *theme && themeExists(paired)) {
            changes.emplace_back(gtkTheme, paired);
        }
    }
    return settings_->write(changes);
}

}  // namespace swivlo::linuxhost::gnome
