#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "shortcut/HotkeyTextField.h"

namespace swivlo {

// One entry of the panel item list: a panel item id, its English title (a localisation key)
// and, when the host cannot do it, why (translated; empty when it can).
struct SwitchItem {
    std::string id;
    std::string title;
    QString unavailableReason;

    friend bool operator==(const SwitchItem&, const SwitchItem&) = default;
};

// The General tab's state and edits. Every edit is written to the preferences store at once;
// the list order is read from the store by reload(), when the tab comes on screen. An edit the
// store could not save leaves what is stored, and the getters say so.
class GeneralSettings {
public:
    // Rebuilds the list from "panelItemsOrder" with the shared ordering rule.
    void reload();
    const std::vector<SwitchItem>& orderedSwitches() const { return orderedSwitches_; }

    // List-move semantics: the rows at `sources` go before the row that was at `destination`
    // (positions counted before the move; the list's size appends). Writes the whole order.
    void moveSwitches(std::vector<int> sources, int destination);

    // The visibility switch of one row: on while the id is not in "hiddenSwitchIDs".
    bool isShown(const std::string& id) const;
    // Each change flips the id's membership of the hidden set, whatever the switch says.
    void toggleVisibility(const std::string& id);

    bool launchAtLogin() const;
    // Why the login item could not be changed, if it could not.
    std::optional<std::string> setLaunchAtLogin(bool on);
    bool autoClosePanel() const;
    void setAutoClosePanel(bool on);
    bool hotkeyEnabled() const;
    void setHotkeyEnabled(bool on);

    // The recorder field's value: the stored text and the handlers that store a capture or
    // clear it.
    HotkeyRecorderView recorderView() const;
    static void capture(std::int64_t modifierFlags, std::int64_t keyCode, const std::string& text);
    static void clear();

private:
    std::vector<SwitchItem> orderedSwitches_;
};

}  // namespace swivlo
