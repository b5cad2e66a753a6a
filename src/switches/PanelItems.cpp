#include "switches/PanelItems.h"

#include <algorithm>

namespace swivlo::PanelItems {

std::vector<std::string> splitIds(std::string_view list) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        if (comma > start) {
            pieces.emplace_back(list.substr(start, comma - start));
        }
        start = comma + 1;
    }
    return pieces;
}

std::string joinIds(const std::vector<std::string>& ids) {
    std::string joined;
    for (const std::string& id : ids) {
        if (!joined.empty()) {
            joined += ',';
        }
        joined += id;
    }
    return joined;
}

std::set<std::string> idSet(std::string_view list) {
    const std::vector<std::string> pieces = splitIds(list);
    return {pieces.begin(), pieces.end()};
}

std::vector<const Switch*> orderedItems(std::string_view order) {
    const std::vector<Switch>& all = SwitchCatalogue::all();
    std::vector<const Switch*> result;
    std::set<std::string_view> placed;
    for (const std::string& piece : splitIds(order)) {
        const Switch* entry = SwitchCatalogue::byPanelId(piece);
        if (entry && placed.insert(entry->panelId).second) {
            result.push_back(entry);
        }
    }
    for (const Switch& entry : all) {
        if (!placed.count(entry.panelId)) {
            result.push_back(&entry);
        }
    }
    return result;
}

}  // namespace swivlo::PanelItems
