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

std::optional<QJsonObject> ColorSchemeSwitch::valuesToKeep() {
    const auto scheme = settings_->string(colorScheme);
    if (!scheme) {
        return std::nullopt;
    }
    // The scheme the user had ('prefer-light' stays light) is what off gives back.
    return QJsonObject{{colorScheme, *scheme}};
}

bool ColorSchemeSwitch::apply(bool on, const std::optional<QJsonObject>& kept) {
    QString next = QStringLiteral("default");
    if (on) {
        next = preferDark;
    } else if (kept) {
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
    return settings_->write(changes);
}

}  // namespace swivlo::linuxhost::gnome
