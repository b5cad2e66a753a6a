#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace swivlo::PanelItems {

// One of the eight items the panel can show, in the built-in order.
struct Item {
    std::string id;
    std::string title;        // localisation key; the English text equals it
    std::string systemImage;  // system symbol name
    std::string tint;         // the host's named colour
};

const std::vector<Item>& builtIn();

// The pieces of a ","-joined id list, empty pieces dropped, nothing trimmed.
std::vector<std::string> splitIds(std::string_view list);
std::string joinIds(const std::vector<std::string>& ids);
// The distinct pieces of such a list.
std::set<std::string> idSet(std::string_view list);

// The built-in items in the order "panelItemsOrder" gives: the one ordering rule of the panel
// and the settings list. The ids named in `order` come first, in that order (ids matching no
// item skipped; an id named twice placed once), then every item not named, in built-in order.
std::vector<Item> orderedItems(std::string_view order);

}  // namespace swivlo::PanelItems
