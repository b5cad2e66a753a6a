#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <optional>

#include "platform/Service.h"

namespace swivlo {

// A key combination taken for the whole desktop: pressing it anywhere emits pressed(), and the
// application that has the focus does not get it. Combinations are given in the stored units
// (virtual key codes and device-independent modifier bits). One back-end per mechanism: the X
// server's key grab, GNOME's custom keybindings, KDE's kglobalaccel, or none.
class GlobalHotkey : public QObject {
    Q_OBJECT

public:
    // Takes the combination in place of any taken before. Nothing when it is taken; else why
    // not, in words for the settings window.
    virtual std::optional<QString> bind(std::uint64_t flags, std::uint16_t keyCode) = 0;
    // Gives the combination back.
    virtual void unbind() = 0;
    // Why no combination can work in this session, with what to do instead; empty where one
    // can.
    virtual QString unavailableReason() const { return {}; }

    // Why the stored shortcut does not work, for the settings window; empty when it works or
    // none is bound. Changes with each bind and unbind, and when a desktop refuses later.
    const QString& problem() const { return problem_; }

signals:
    void pressed();
    void problemChanged();

protected:
    void setProblem(const QString& problem);
    // bind's answer when the combination cannot be had: the problem, also kept for the window.
    std::optional<QString> refuse(const QString& why);
    // The words for a combination another program already holds.
    static QString heldElsewhere();

private:
    QString problem_;
};

// The installed global shortcut mechanism; nullptr where none was installed (unit tests).
inline GlobalHotkey* globalHotkey() {
    return Service<GlobalHotkey>::installed() ? &Service<GlobalHotkey>::get() : nullptr;
}

// The command a desktop's own shortcut runs to open and close the panel.
inline const char* const togglePanelCommand = "swivlo --toggle-panel";

}  // namespace swivlo
