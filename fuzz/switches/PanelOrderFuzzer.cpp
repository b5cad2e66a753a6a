// Feeds arbitrary "panelItemsOrder" and "hiddenSwitchIDs" strings (split at the first NUL) to the
// id-list rules. Whatever the user or a hand-edited file stored, the panel must show each of the
// eight items exactly once, stored ids first in their first-named order, and the split must
// agree with a plain reading of the list.
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "switches/PanelItems.h"

namespace {

using swivlo::fuzz::check;

using swivlo::Switch;

std::vector<std::string> referenceSplit(std::string_view list) {
    std::vector<std::string> pieces;
    std::string current;
    for (const char c : list) {
        if (c == ',') {
            if (!current.empty()) {
                pieces.push_back(current);
            }
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) {
        pieces.push_back(current);
    }
    return pieces;
}

bool isBuiltInId(std::string_view id) {
    for (const Switch& item : swivlo::SwitchCatalogue::all()) {
        if (item.panelId == id) {
            return true;
        }
    }
    return false;
}

void checkOrder(std::string_view order) {
    const auto pieces = swivlo::PanelItems::splitIds(order);
    check(pieces == referenceSplit(order));
    check(swivlo::PanelItems::splitIds(swivlo::PanelItems::joinIds(pieces)) == pieces);

    const auto items = swivlo::PanelItems::orderedItems(order);
    const auto& builtIn = swivlo::SwitchCatalogue::all();
    check(items.size() == builtIn.size());
    std::set<std::string_view> seen;
    for (const Switch* item : items) {
        check(isBuiltInId(item->panelId));
        check(seen.insert(item->panelId).second);
    }

    // Named known ids first, in the order they were first named.
    std::vector<std::string> expectedHead;
    std::set<std::string> placed;
    for (const auto& piece : pieces) {
        if (isBuiltInId(piece) && placed.insert(piece).second) {
            expectedHead.push_back(piece);
        }
    }
    for (std::size_t i = 0; i < expectedHead.size(); ++i) {
        check(items[i]->panelId == expectedHead[i]);
    }
    // Then the rest, in built-in order.
    std::size_t next = expectedHead.size();
    for (const Switch& item : builtIn) {
        if (!placed.count(std::string(item.panelId))) {
            check(items[next++]->panelId == item.panelId);
        }
    }
}

void checkHidden(std::string_view hidden) {
    const auto pieces = swivlo::PanelItems::splitIds(hidden);
    check(pieces == referenceSplit(hidden));
    for (const auto& piece : pieces) {
        check(!piece.empty() && piece.find(',') == std::string::npos);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = bytes.find('\0');
    const std::string_view order = bytes.substr(0, nul);
    const std::string_view hidden =
        nul == std::string_view::npos ? std::string_view() : bytes.substr(nul + 1);
    checkOrder(order);
    checkHidden(hidden);
    return 0;
}
