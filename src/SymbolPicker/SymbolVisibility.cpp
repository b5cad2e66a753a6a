#include "SymbolPicker/SymbolVisibility.h"

namespace swivlo {

SymbolVisibility::SymbolVisibility(const std::vector<SymbolCategory>& categories,
                                   QString searchText)
    : categoryTest_(categories != allSymbolCategories()),
      categories_(SymbolCategorySet::of(categories)),
      searchText_(std::move(searchText)) {}

SymbolList SymbolVisibility::visible(const SymbolList& symbols) const {
    SymbolList out;
    for (const SymbolPtr& symbol : symbols) {
        if (isVisible(*symbol)) {
            out.push_back(symbol);
        }
    }
    return out;
}

}  // namespace swivlo
