#include "SymbolPicker/Symbol.h"

#include <QHash>
#include <QList>

#include "platform/LogOutput.h"

namespace swivlo {

std::optional<Symbol> parseSymbolLine(QStringView line) {
    std::optional<QString> name;
    SymbolCategorySet categories;
    for (QStringView field : line.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (!name) {
            name = field.toString();
        } else if (const auto category = symbolCategory(field)) {
            categories.insert(*category);
        }
    }
    if (!name) {
        return std::nullopt;
    }
    return Symbol(std::move(*name), categories);
}

SymbolList parseSymbolList(const QString& text) {
    SymbolList symbols;
    // A name is a symbol's identity: a repeated one adds its categories to the first entry.
    QHash<QString, std::size_t> indexByName;
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        auto symbol = parseSymbolLine(line);
        if (!symbol) {
            // A broken shipped list should cost one entry, not the program.
            logLine("⚠️ Invalid symbol line: " + line.toString().toStdString());
            continue;
        }
        const auto seen = indexByName.constFind(symbol->name());
        if (seen == indexByName.cend()) {
            indexByName.insert(symbol->name(), symbols.size());
            symbols.push_back(std::make_shared<const Symbol>(std::move(*symbol)));
            continue;
        }
        SymbolPtr& first = symbols[*seen];
        SymbolCategorySet categories = first->categories();
        categories.insertAll(symbol->categories());
        first = std::make_shared<const Symbol>(first->name(), categories);
    }
    return symbols;
}

}  // namespace swivlo
