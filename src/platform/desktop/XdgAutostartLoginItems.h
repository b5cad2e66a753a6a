#pragma once

#include <QString>

#include "platform/LoginItems.h"

namespace swivlo::desktop {

// Login start through a desktop entry in the XDG autostart folder ("swivlo.desktop"), which
// every freedesktop session starts at login unless the entry is hidden or disabled.
class XdgAutostartLoginItems : public LoginItems {
public:
    // $XDG_CONFIG_HOME/autostart (else ~/.config/autostart), starting the running binary.
    XdgAutostartLoginItems();
    XdgAutostartLoginItems(QString autostartDirectory, QString executable);

    bool isEnabled() const override;
    // On: writes Swivlo's entry, or switches the user's own entry on and corrects its program,
    // changing nothing else in it. Off: removes the entry.
    bool setEnabled(bool enabled, std::string& whyNot) override;

    QString entryPath() const;
    // The entry's text for `executable`.
    static QByteArray entryText(const QString& executable);

private:
    QString directory_;
    QString executable_;
};

}  // namespace swivlo::desktop
