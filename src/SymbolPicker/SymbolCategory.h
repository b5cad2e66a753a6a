#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace swivlo {

// The symbol catalogue's categories. Each raw value is the case name; the declaration order is
// the order of the full list.
enum class SymbolCategory : std::uint8_t {
    whatsnew,
    multicolor,
    variablecolor,
    communication,
    weather,
    maps,
    objectsandtools,
    devices,
    cameraandphotos,
    gaming,
    connectivity,
    transportation,
    automotive,
    accessibility,
    privacyandsecurity,
    human,
    home,
    fitness,
    nature,
    editing,
    textformatting,
    media,
    keyboard,
    commerce,
    time,
    health,
    shapes,
    arrows,
    indices,
    math,
};

inline constexpr std::size_t kSymbolCategoryCount = 30;

QString rawValue(SymbolCategory category);
// Exact, case-sensitive match against the raw values; anything else is no category.
std::optional<SymbolCategory> symbolCategory(QStringView rawValue);
// Every category, in declaration order.
const std::vector<SymbolCategory>& allSymbolCategories();

// A set of categories. Thirty categories fit one word, so testing whether two sets meet is a
// single AND, which keeps the picker's per-keystroke filter cheap.
class SymbolCategorySet {
public:
    SymbolCategorySet() = default;
    SymbolCategorySet(std::initializer_list<SymbolCategory> categories) {
        for (SymbolCategory c : categories) {
            insert(c);
        }
    }
    template <typename Range>
    static SymbolCategorySet of(const Range& categories) {
        SymbolCategorySet set;
        for (SymbolCategory c : categories) {
            set.insert(c);
        }
        return set;
    }

    void insert(SymbolCategory c) { bits_ |= bit(c); }
    void insertAll(const SymbolCategorySet& other) { bits_ |= other.bits_; }
    bool contains(SymbolCategory c) const { return (bits_ & bit(c)) != 0; }
    bool intersects(const SymbolCategorySet& other) const { return (bits_ & other.bits_) != 0; }
    int size() const { return __builtin_popcount(bits_); }
    // The members in declaration order.
    std::vector<SymbolCategory> toList() const;

    friend bool operator==(const SymbolCategorySet&, const SymbolCategorySet&) = default;

private:
    static std::uint32_t bit(SymbolCategory c) { return std::uint32_t{1} << static_cast<int>(c); }
    std::uint32_t bits_ = 0;
};

}  // namespace swivlo
