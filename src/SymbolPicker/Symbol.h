#pragma once

#include <QString>
#include <QStringView>

#include <memory>
#include <optional>
#include <vector>

#include "SymbolPicker/SymbolCategory.h"

namespace swivlo {

// One system symbol of the catalogue: its name (also its identity) and its categories.
// Immutable; lists share entries by pointer.
class Symbol {
public:
    Symbol(QString name, SymbolCategorySet categories)
        : name_(std::move(name)), categories_(categories) {}

    const QString& name() const { return name_; }
    const SymbolCategorySet& categories() const { return categories_; }

private:
    QString name_;
    SymbolCategorySet categories_;
};

using SymbolPtr = std::shared_ptr<const Symbol>;
using SymbolList = std::vector<SymbolPtr>;

// One resource line: the name, then category raw values, separated by commas. Empty fields are
// skipped and nothing is trimmed (a space belongs to its field); a field that names no category
// is ignored. None when every field is empty.
std::optional<Symbol> parseSymbolLine(QStringView line);

// The symbols of a resource text, in line order. Lines are split on line feeds only, and empty
// lines are skipped. A line of commas only is skipped with a warning line naming it. A name
// listed again keeps its first place and gains the later line's categories.
SymbolList parseSymbolList(const QString& text);

}  // namespace swivlo
