#pragma once

#include <algorithm>
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

// The one ordering rule of the panel and the settings list: the ids named in `order` first, in
// that order (ids matching no item skipped; an id named twice placed once), then every item not
// named, in its given order.
template <class T, class IdOf>
std::vector<T> ordered(std::string_view order, const std::vector<T>& items, IdOf idOf) {
    const std::vector<std::string> pieces = splitIds(order);
    if (pieces.empty()) {
        return items;
    }
    std::vector<T> result;
    std::set<std::string> placed;
    for (const std::string& piece : pieces) {
        if (placed.count(piece)) {
            continue;
        }
        const auto it = std::find_if(items.begin(), items.end(),
                                     [&](const T& item) { return idOf(item) == piece; });
        if (it != items.end()) {
            result.push_back(*it);
            placed.insert(piece);
        }
    }
    const std::set<std::string> named(pieces.begin(), pieces.end());
    for (const T& item : items) {
        if (!named.count(std::string(idOf(item)))) {
            result.push_back(item);
        }
    }
    return result;
}

// The built-in items in the order "panelItemsOrder" gives.
std::vector<Item> orderedItems(std::string_view order);

}  // namespace swivlo::PanelItems
