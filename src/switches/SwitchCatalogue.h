#pragma once

#include <QString>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/SystemHost.h"

namespace swivlo {

// One switch of the panel, the settings and the scenes.
struct Switch {
    enum class Kind { toggle, action };

    std::string_view panelId;  // stored in "panelItemsOrder" and "hiddenSwitchIDs"
    // The key of a scene's feature map; empty for a switch scenes do not set.
    std::string_view featureId;
    const char* title;        // localisation key, also the English text
    const char* featureNote;  // translator notes: the scene editor's title and the short label
    const char* summaryNote;  // in a scene's summary
    std::string_view symbol;  // system symbol name
    std::string_view tint;    // the host's named colour
    Kind kind;
    const char* actionTitle;  // the action button's localisation key
    // What the host does for it; none for the screen cleaner, which is the app's own window.
    std::optional<Capability> capability;

    // Looked up in the application's translation context.
    QString featureTitle() const;
    QString summaryLabel() const;
};

namespace SwitchCatalogue {

// Every switch, in the panel's built-in order.
const std::vector<Switch>& all();
// The switch with this panel id, or null.
const Switch* byPanelId(std::string_view id);
// The switch the host does with this capability, or null.
const Switch* byCapability(Capability capability);

}  // namespace SwitchCatalogue

}  // namespace swivlo
