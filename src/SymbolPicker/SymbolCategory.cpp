#include "SymbolPicker/SymbolCategory.h"

#include <QHash>

namespace swivlo {

namespace {

constexpr std::array<const char*, kSymbolCategoryCount> kRawValues{
    "whatsnew",
    "multicolor",
    "variablecolor",
    "communication",
    "weather",
    "maps",
    "objectsandtools",
    "devices",
    "cameraandphotos",
    "gaming",
    "connectivity",
    "transportation",
    "automotive",
    "accessibility",
    "privacyandsecurity",
    "human",
    "home",
    "fitness",
    "nature",
    "editing",
    "textformatting",
    "media",
    "keyboard",
    "commerce",
    "time",
    "health",
    "shapes",
    "arrows",
    "indices",
    "math",
};

}  // namespace

QString rawValue(SymbolCategory category) {
    return QString::fromLatin1(kRawValues[static_cast<std::size_t>(category)]);
}

std::optional<SymbolCategory> symbolCategory(QStringView value) {
    static const QHash<QString, SymbolCategory> byRawValue = [] {
        QHash<QString, SymbolCategory> table;
        for (std::size_t i = 0; i < kRawValues.size(); ++i) {
            table.insert(QString::fromLatin1(kRawValues[i]), static_cast<SymbolCategory>(i));
        }
        return table;
    }();
    const auto it = byRawValue.constFind(value.toString());
    if (it == byRawValue.cend()) {
        return std::nullopt;
    }
    return *it;
}

const std::vector<SymbolCategory>& allSymbolCategories() {
    static const std::vector<SymbolCategory> all = [] {
        std::vector<SymbolCategory> list;
        for (std::size_t i = 0; i < kSymbolCategoryCount; ++i) {
            list.push_back(static_cast<SymbolCategory>(i));
        }
        return list;
    }();
    return all;
}

std::vector<SymbolCategory> SymbolCategorySet::toList() const {
    std::vector<SymbolCategory> list;
    for (SymbolCategory c : allSymbolCategories()) {
        if (contains(c)) {
            list.push_back(c);
        }
    }
    return list;
}

}  // namespace swivlo
