#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <optional>

#include "platform/Session.h"

namespace swivlo {

// Where a desktop keeps its light or dark preference.
enum class ColorSchemeSource { portal, xfconf, kdeglobals };

// KDE's own file, XFCE's XSETTINGS theme, else the XDG settings portal (GNOME, and any desktop
// whose portal answers).
ColorSchemeSource colorSchemeSourceFor(const Session& session);

// Each source's reading: dark, light, or nothing when it states no preference.
// The portal's org.freedesktop.appearance color-scheme: 1 prefers dark, 2 light, 0 neither.
std::optional<bool> darkFromPortalValue(unsigned value);
// A GTK theme name: dark themes end in "-dark" ("Adwaita-dark", "Greybird-dark").
std::optional<bool> darkFromThemeName(const QString& theme);
// kdeglobals: the window background of the colour scheme in use ([Colors:Window]
// BackgroundNormal), dark when its lightness is under half.
std::optional<bool> darkFromKdeGlobals(const QString& text);

// The desktop's own light or dark preference, read once from its source and followed as it
// changes, for where the host offers no Dark Mode to read.
class DesktopColorScheme : public QObject {
    Q_OBJECT

public:
    static std::unique_ptr<DesktopColorScheme> open(const Session& session);
    ~DesktopColorScheme() override;

    std::optional<bool> prefersDark() const { return dark_; }
    // The source and what it said, for the log ("XSETTINGS theme Adwaita-dark").
    const QString& description() const { return description_; }

signals:
    void changed();

protected:
    DesktopColorScheme() = default;
    void update(std::optional<bool> dark, const QString& description);

private:
    std::optional<bool> dark_;
    QString description_;
};

}  // namespace swivlo
