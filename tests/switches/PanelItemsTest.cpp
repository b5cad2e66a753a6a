#include <gtest/gtest.h>

#include "switches/PanelItems.h"

namespace swivlo {
namespace {

std::vector<std::string> orderedIds(std::string_view order) {
    std::vector<std::string> ids;
    for (const Switch* item : PanelItems::orderedItems(order)) {
        ids.push_back(std::string(item->panelId));
    }
    return ids;
}

const std::vector<std::string> builtInOrder = {
    "hide_desktop",     "hide_widgets", "auto_hide_dock", "stage_manager",
    "hide_all_windows", "dark_mode",    "keep_awake",     "screen_cleaner"};

struct OrderCase {
    const char* name;
    const char* order;
    std::vector<std::string> expected;
};

class OrderTest : public ::testing::TestWithParam<OrderCase> {};

TEST_P(OrderTest, NamedIdsFirstThenTheRestInBuiltInOrder) {
    EXPECT_EQ(orderedIds(GetParam().order), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OrderTest,
    ::testing::Values(
        OrderCase{"Empty", "", builtInOrder}, OrderCase{"CommasOnly", ",,,", builtInOrder},
        OrderCase{"UnmatchedThenDarkModeThenTrailingComma",
                  "nonsense,dark_mode,",
                  {"dark_mode", "hide_desktop", "hide_widgets", "auto_hide_dock", "stage_manager",
                   "hide_all_windows", "keep_awake", "screen_cleaner"}},
        OrderCase{"RepeatedIdPlacedOnce",
                  "keep_awake,keep_awake,hide_desktop",
                  {"keep_awake", "hide_desktop", "hide_widgets", "auto_hide_dock", "stage_manager",
                   "hide_all_windows", "dark_mode", "screen_cleaner"}},
        OrderCase{"FullReverse",
                  "screen_cleaner,keep_awake,dark_mode,hide_all_windows,stage_manager,"
                  "auto_hide_dock,hide_widgets,hide_desktop",
                  {builtInOrder.rbegin(), builtInOrder.rend()}}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace swivlo
