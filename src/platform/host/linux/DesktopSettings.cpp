#include "platform/host/linux/DesktopSettings.h"

#include <QRegularExpression>
#include <QStandardPaths>

namespace swivlo::linuxhost {

namespace {

const QString interfaceSchema = QStringLiteral("org.gnome.desktop.interface");
const QString colorScheme = QStringLiteral("color-scheme");
const QString gtkTheme = QStringLiteral("gtk-theme");
const QString preferDark = QStringLiteral("prefer-dark");
const QString dockFixed = QStringLiteral("dock-fixed");
const QString autohide = QStringLiteral("autohide");
const QString enabledExtensions = QStringLiteral("enabled-extensions");
const QString disabledExtensions = QStringLiteral("disabled-extensions");

}  // namespace

QString gtkThemeFor(const QString& theme, bool dark) {
    static const QRegularExpression yaru(QStringLiteral("^(Yaru(?:-(?!dark$)[a-z]+)?)(?:-dark)?$"));
    const auto match = yaru.match(theme);
    if (!match.hasMatch()) {
        return theme;
    }
    return dark ? match.captured(1) + QStringLiteral("-dark") : match.captured(1);
}

QStringList withEntry(QStringList list, const QString& entry, bool present) {
    const bool had = list.contains(entry);
    if (!present) {
        list.removeAll(entry);
    } else if (!had) {
        list.append(entry);
    }
    return list;
}

std::unique_ptr<ColorSchemeSetting> ColorSchemeSetting::open() {
    if (!GioSettings::hasKey(interfaceSchema, colorScheme)) {
        return nullptr;
    }
    return std::unique_ptr<ColorSchemeSetting>(
        new ColorSchemeSetting(GioSettings::open(interfaceSchema)));
}

bool ColorSchemeSetting::isDark() const {
    return settings_->string(colorScheme) == preferDark;
}

void ColorSchemeSetting::setDark(bool dark) {
    settings_->setString(colorScheme, dark ? preferDark : QStringLiteral("default"));
    const QString theme = settings_->string(gtkTheme);
    if (const QString paired = gtkThemeFor(theme, dark); paired != theme) {
        settings_->setString(gtkTheme, paired);
    }
}

void ColorSchemeSetting::onChanged(std::function<void()> handler) {
    settings_->onChanged([handler = std::move(handler)](const QString& key) {
        if (key == colorScheme) {
            handler();
        }
    });
}

std::unique_ptr<DockSetting> DockSetting::open() {
    auto settings = GioSettings::open(QStringLiteral("org.gnome.shell.extensions.dash-to-dock"));
    return settings ? std::unique_ptr<DockSetting>(new DockSetting(std::move(settings))) : nullptr;
}

bool DockSetting::hidesItself() const {
    return !settings_->boolean(dockFixed) && settings_->boolean(autohide);
}

void DockSetting::setHidesItself(bool on) {
    if (on) {
        if (!hidesItself()) {
            found_ = {settings_->boolean(dockFixed), settings_->boolean(autohide)};
        }
        settings_->setBoolean(dockFixed, false);
        settings_->setBoolean(autohide, true);
    } else if (found_) {
        settings_->setBoolean(dockFixed, found_->first);
        settings_->setBoolean(autohide, found_->second);
        found_.reset();
    } else if (hidesItself()) {
        // Found on: nothing to put back, and the defaults may hide it too. A fixed dock.
        settings_->setBoolean(dockFixed, true);
    }
}

bool DesktopIconsSetting::isInstalled() {
    return !QStandardPaths::locate(
                QStandardPaths::GenericDataLocation,
                QStringLiteral("gnome-shell/extensions/") + uuid + QStringLiteral("/metadata.json"))
                .isEmpty();
}

std::unique_ptr<DesktopIconsSetting> DesktopIconsSetting::open() {
    auto settings = GioSettings::open(QStringLiteral("org.gnome.shell"));
    return settings && isInstalled()
               ? std::unique_ptr<DesktopIconsSetting>(new DesktopIconsSetting(std::move(settings)))
               : nullptr;
}

bool DesktopIconsSetting::isHidden() const {
    // The shell runs an extension that is enabled and not disabled.
    return !settings_->strings(enabledExtensions).contains(uuid) ||
           settings_->strings(disabledExtensions).contains(uuid);
}

void DesktopIconsSetting::setHidden(bool hidden) {
    // As the shell's own extension manager does: the entry moves between the two lists.
    const QStringList enabled = settings_->strings(enabledExtensions);
    const QStringList disabled = settings_->strings(disabledExtensions);
    if (const QStringList next = withEntry(enabled, uuid, !hidden); next != enabled) {
        settings_->setStrings(enabledExtensions, next);
    }
    if (const QStringList next = withEntry(disabled, uuid, hidden); next != disabled) {
        settings_->setStrings(disabledExtensions, next);
    }
}

}  // namespace swivlo::linuxhost
