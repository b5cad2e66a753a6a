#include "app/PanelItems.h"

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

std::vector<Item> orderedItems(std::string_view order) {
    return ordered(order, builtIn(), [](const Item& item) { return item.id; });
}

}  // namespace swivlo::PanelItems
