#include "SymbolPicker/Symbol.h"

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
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        auto symbol = parseSymbolLine(line);
        if (!symbol) {
            // A broken shipped list should cost one entry, not the program.
            logLine("⚠️ Invalid symbol line: " + line.toString().toStdString());
            continue;
        }
        symbols.push_back(std::make_shared<const Symbol>(std::move(*symbol)));
    }
    return symbols;
}

}  // namespace swivlo
