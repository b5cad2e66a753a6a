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

ColorSchemeSwitch::ColorSchemeSwitch(FoundValues& found)
    : RememberingSwitch(found, QStringLiteral("gnome.darkMode")),
      settings_(GioSettings::open(QStringLiteral("org.gnome.desktop.interface"))) {}

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
    const auto scheme = settings_->string(colorScheme);
    QString next = QStringLiteral("default");
    if (on) {
        // The scheme the user had ('prefer-light' stays light) is what off gives back.
        if (scheme && *scheme != preferDark && !rememberBeforeOn({{colorScheme, *scheme}})) {
            return false;
        }
        next = preferDark;
    } else if (const auto kept = found()) {
        const QString was = kept->value(colorScheme).toString();
        if (!was.isEmpty() && was != preferDark) {
            next = was;
        }
    }
    SettingChanges changes = {{colorScheme, next}};
    // Only to a twin that is installed: a missing theme leaves GTK apps unstyled.
    if (const auto theme = settings_->string(gtkTheme)) {
        const QString paired = gtkThemeFor(*theme, on);
        if (paired != *theme && themeExists(paired)) {
            changes.emplace_back(gtkTheme, paired);
        }
    }
    const bool written = settings_->write(changes);
    if (written && !on) {
        forget();
    }
    return written;
}

}  // namespace swivlo::linuxhost::gnome
