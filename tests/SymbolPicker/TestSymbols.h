#pragma once

#include <initializer_list>
#include <memory>
#include <utility>

#include "SymbolPicker/Symbol.h"

namespace swivlo::testing {

// A catalogue written out in a test: each name with its categories, in order.
inline SymbolList symbolList(
    std::initializer_list<std::pair<const char*, SymbolCategorySet>> entries) {
    SymbolList list;
    for (const auto& [name, categories] : entries) {
        list.push_back(std::make_shared<const Symbol>(QString::fromUtf8(name), categories));
    }
    return list;
}

}  // namespace swivlo::testing
