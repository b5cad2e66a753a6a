#pragma once

#include <memory>

#include "platform/hotkey/GlobalHotkey.h"

namespace swivlo {

namespace linuxhost {
class GioSettings;
}

// GNOME binds keys itself, on X11 and Wayland alike: the combination becomes one of its custom
// keybindings (as the Keyboard settings make them), whose command asks the running Swivlo to
// open or close its panel. The binding shows, and can be changed, in GNOME's own settings.
class GnomeKeybinding : public GlobalHotkey {
    Q_OBJECT

public:
    static constexpr const char* listSchema = "org.gnome.settings-daemon.plugins.media-keys";
    static constexpr const char* entrySchema =
        "org.gnome.settings-daemon.plugins.media-keys.custom-keybinding";
    static constexpr const char* entryPath =
        "/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/swivlo/";

    // None when GNOME's schemas are not installed. `program` is the command's executable.
    static std::unique_ptr<GnomeKeybinding> open(const QString& program);
    ~GnomeKeybinding() override;

    std::optional<QString> bind(std::uint64_t flags, std::uint16_t keyCode) override;
    void unbind() override;

private:
    GnomeKeybinding(std::unique_ptr<linuxhost::GioSettings> list,
                    std::unique_ptr<linuxhost::GioSettings> entry, QString program);
    void listEntry(bool present);
    // Which of GNOME's own keybindings already has the accelerator; empty when none does.
    QString holderOf(const QString& accelerator) const;

    std::unique_ptr<linuxhost::GioSettings> list_;
    std::unique_ptr<linuxhost::GioSettings> entry_;
    QString program_;
};

// The combination as GNOME writes accelerators ("<Control><Alt>s"); empty when it has none.
QString gnomeAccelerator(std::uint64_t flags, std::uint16_t keyCode);
// An accelerator in one spelling, so GNOME's own ("<Primary><Alt>S", "<Ctrl><Alt>s") compare
// equal to ours.
QString normalAccelerator(const QString& accelerator);

}  // namespace swivlo
