#pragma once

#include <QString>

#include <vector>

#include "SymbolPicker/Symbol.h"

namespace swivlo {

// Which catalogue entries the picker shows for its category list and search text.
class SymbolVisibility {
public:
    // The full list of all categories, in declaration order, means no category test at all
    // (entries without categories pass too). The search text is used as typed, untrimmed.
    SymbolVisibility(const std::vector<SymbolCategory>& categories, QString searchText);

    bool isVisible(const Symbol& symbol) const {
        return (!categoryTest_ || symbol.categories().intersects(categories_)) &&
               (searchText_.isEmpty() || symbol.name().contains(searchText_, Qt::CaseInsensitive));
    }

    // The visible entries of `symbols`, in their order.
    SymbolList visible(const SymbolList& symbols) const;

private:
    bool categoryTest_;
    SymbolCategorySet categories_;
    QString searchText_;
};

}  // namespace swivlo
