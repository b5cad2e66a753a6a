#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "platform/host/linux/GioSettings.h"

namespace swivlo::linuxhost {

// The GTK theme that goes with a colour scheme, as Ubuntu's settings panel pairs them (Yaru,
// Yaru-blue ... and their -dark twins); any other theme stays as it is, as GNOME's own panel
// leaves it.
QString gtkThemeFor(const QString& theme, bool dark);
// `list` with `entry` present once or absent, its other entries in their order.
QStringList withEntry(QStringList list, const QString& entry, bool present);

// Dark Mode: org.gnome.desktop.interface color-scheme, 'prefer-dark' or 'default'.
class ColorSchemeSetting {
public:
    // None without the color-scheme key.
    static std::unique_ptr<ColorSchemeSetting> open();
    bool isDark() const;
    void setDark(bool dark);
    // Called whenever the scheme changes, here or elsewhere.
    void onChanged(std::function<void()> handler);

private:
    explicit ColorSchemeSetting(std::unique_ptr<GioSettings> settings)
        : settings_(std::move(settings)) {}
    std::unique_ptr<GioSettings> settings_;
};

// Auto Hide Dock: the dock's dock-fixed and autohide keys (Dash to Dock and Ubuntu Dock).
class DockSetting {
public:
    static std::unique_ptr<DockSetting> open();
    bool hidesItself() const;
    // On remembers the two keys as found; off puts them back, or fixes the dock when Swivlo
    // found it already hiding itself.
    void setHidesItself(bool on);

private:
    explicit DockSetting(std::unique_ptr<GioSettings> settings) : settings_(std::move(settings)) {}
    std::unique_ptr<GioSettings> settings_;
    std::optional<std::pair<bool, bool>> found_;  // dock-fixed, autohide
};

// Hide Desktop: the desktop icons extension switched off in org.gnome.shell's lists.
class DesktopIconsSetting {
public:
    static inline const QString uuid = QStringLiteral("ding@rastersoft.com");
    // Whether the extension is in a data folder where the shell looks for extensions.
    static bool isInstalled();
    static std::unique_ptr<DesktopIconsSetting> open();
    bool isHidden() const;
    void setHidden(bool hidden);

private:
    explicit DesktopIconsSetting(std::unique_ptr<GioSettings> settings)
        : settings_(std::move(settings)) {}
    std::unique_ptr<GioSettings> settings_;
};

}  // namespace swivlo::linuxhost
