#include "app/PanelItems.h"

#include <algorithm>

namespace swivlo::PanelItems {

const std::vector<Item>& builtIn() {
    static const std::vector<Item> items = {
        {"hide_desktop", "Hide Desktop", "menubar.rectangle", "blue"},
        {"hide_widgets", "Hide Widgets", "square.grid.2x2.fill", "orange"},
        {"auto_hide_dock", "Auto Hide Dock", "dock.rectangle", "purple"},
        {"stage_manager", "Stage Manager", "rectangle.split.3x3", "green"},
        {"hide_all_windows", "Hide All Windows", "eye.slash.fill", "red"},
        {"dark_mode", "Dark Mode", "moon.fill", "indigo"},
        {"keep_awake", "Keep Awake", "bolt.fill", "yellow"},
        {"screen_cleaner", "Screen Cleaner", "sparkles", "cyan"},
    };
    return items;
}

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

std::vector<Item> orderedItems(std::string_view order) {
    const std::vector<std::string> pieces = splitIds(order);
    const std::vector<Item>& items = builtIn();
    std::vector<Item> result;
    std::set<std::string> placed;
    for (const std::string& piece : pieces) {
        const auto it = std::find_if(items.begin(), items.end(),
                                     [&](const Item& item) { return item.id == piece; });
        if (it != items.end() && placed.insert(piece).second) {
            result.push_back(*it);
        }
    }
    for (const Item& item : items) {
        if (!placed.count(item.id)) {
            result.push_back(item);
        }
    }
    return result;
}

}  // namespace swivlo::PanelItems
