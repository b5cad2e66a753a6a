#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "switches/SwitchCatalogue.h"

// The ","-joined id lists the panel's items are stored in ("panelItemsOrder",
// "hiddenSwitchIDs").
namespace swivlo::PanelItems {

// The pieces of a list, empty pieces dropped, nothing trimmed.
std::vector<std::string> splitIds(std::string_view list);
std::string joinIds(const std::vector<std::string>& ids);
// The distinct pieces of such a list.
std::set<std::string> idSet(std::string_view list);

// The catalogue's switches in the order "panelItemsOrder" gives: the one ordering rule of the
// panel and the settings list. The ids named in `order` come first, in that order (ids matching
// no switch skipped; an id named twice placed once), then every switch not named, in built-in
// order.
std::vector<const Switch*> orderedItems(std::string_view order);

}  // namespace swivlo::PanelItems
