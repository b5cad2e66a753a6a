#include <gtest/gtest.h>

#include "SymbolPicker/Symbol.h"
#include "fakes/RecordingLog.h"

namespace swivlo {
namespace {

using C = SymbolCategory;

struct LineCase {
    const char* line;
    std::optional<QString> name;  // none: the line gives no symbol
    SymbolCategorySet categories;
};

class SymbolLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(SymbolLineTest, ParsesNameAndCategories) {
    const LineCase& c = GetParam();
    const auto symbol = parseSymbolLine(QString::fromUtf8(c.line));
    ASSERT_EQ(symbol.has_value(), c.name.has_value()) << c.line;
    if (symbol) {
        EXPECT_EQ(symbol->name(), *c.name) << c.line;
        EXPECT_EQ(symbol->categories(), c.categories) << c.line;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SymbolLineTest,
    ::testing::Values(
        LineCase{"gear", QStringLiteral("gear"), {}},
        LineCase{"map,,maps,", QStringLiteral("map"), {C::maps}},
        LineCase{"car,automotive,transportation,automotive",
                 QStringLiteral("car"),
                 {C::automotive, C::transportation}},
        // Nothing is trimmed: a space belongs to its field, so " maps" names no category.
        LineCase{"pin, maps", QStringLiteral("pin"), {}},
        LineCase{" pin,maps", QStringLiteral(" pin"), {C::maps}},
        // A carriage return is not a separator: it stays in the last field.
        LineCase{"gear,devices\r", QStringLiteral("gear"), {}},
        // Unknown and differently-cased category names are ignored.
        LineCase{"star,Shapes,stars,shapes", QStringLiteral("star"), {C::shapes}},
        LineCase{",,,", std::nullopt, {}}, LineCase{",", std::nullopt, {}}));

// Lines in order; an empty line is skipped silently, a line of commas with one warning, and a
// Windows line end stays in the name.
TEST(SymbolListTest, KeepsLineOrderAndSkipsWhatNamesNoSymbol) {
    testing::RecordingLog log;
    const SymbolList symbols = parseSymbolList(QStringLiteral("b,maps\n\na\r\n,,\nc,math\n"));
    ASSERT_EQ(symbols.size(), 3u);
    EXPECT_EQ(symbols[0]->name(), QStringLiteral("b"));
    EXPECT_EQ(symbols[1]->name(), QStringLiteral("a\r"));
    EXPECT_EQ(symbols[2]->name(), QStringLiteral("c"));
    EXPECT_EQ(log.lines, std::vector<std::string>{"⚠️ Invalid symbol line: ,,"});
}

}  // namespace
}  // namespace swivlo
