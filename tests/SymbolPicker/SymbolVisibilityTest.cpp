#include <gtest/gtest.h>
#include <QStringList>

#include "SymbolPicker/SymbolVisibility.h"
#include "TestSymbols.h"

namespace swivlo {
namespace {

using C = SymbolCategory;

SymbolList catalogue() {
    return testing::symbolList({{"bare", {}},
                                {"map.fill", {C::maps}},
                                {"car", {C::transportation, C::automotive}},
                                {"two words", {C::textformatting}},
                                {"Café", {C::home}},
                                {"two", {C::textformatting}}});
}

QStringList names(const SymbolList& symbols) {
    QStringList out;
    for (const SymbolPtr& s : symbols) {
        out << s->name();
    }
    return out;
}

struct VisibilityCase {
    const char* label;
    std::vector<SymbolCategory> categories;
    const char* search;
    QStringList expected;
};

class SymbolVisibilityTest : public ::testing::TestWithParam<VisibilityCase> {};

TEST_P(SymbolVisibilityTest, ShowsTheExpectedSymbolsInCatalogueOrder) {
    const VisibilityCase& c = GetParam();
    const SymbolVisibility rule(c.categories, QString::fromUtf8(c.search));
    EXPECT_EQ(names(rule.visible(catalogue())), c.expected) << c.label;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, SymbolVisibilityTest,
    ::testing::Values(
        VisibilityCase{"full list shows everything, uncategorised too",
                       allSymbolCategories(),
                       "",
                       {"bare", "map.fill", "car", "two words", "Café", "two"}},
        VisibilityCase{"narrower list hides the uncategorised",
                       {C::maps, C::automotive},
                       "",
                       {"map.fill", "car"}},
        VisibilityCase{"capitals find lower case", allSymbolCategories(), "MAP", {"map.fill"}},
        VisibilityCase{"case folding beyond ASCII", allSymbolCategories(), "CAFÉ", {"Café"}},
        VisibilityCase{
            "trailing space is not trimmed", allSymbolCategories(), "two ", {"two words"}},
        VisibilityCase{
            "search inside a narrower list", {C::textformatting}, "WO", {"two words", "two"}}));

}  // namespace
}  // namespace swivlo
