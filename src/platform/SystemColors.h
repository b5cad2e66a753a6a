#pragma once

#include <QColor>

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace swivlo::SystemColors {

// The host's standard named colours as 0xRRGGBB, a little brighter in the dark appearance.
struct Named {
    std::string_view name;
    std::uint32_t light;
    std::uint32_t dark;
};

inline constexpr std::array<Named, 13> all = {{
    {"blue", 0x007AFF, 0x0A84FF},
    {"green", 0x34C759, 0x30D158},
    {"orange", 0xFF9500, 0xFF9F0A},
    {"purple", 0xAF52DE, 0xBF5AF2},
    {"pink", 0xFF2D55, 0xFF375F},
    {"red", 0xFF3B30, 0xFF453A},
    {"yellow", 0xFFCC00, 0xFFD60A},
    {"cyan", 0x32ADE6, 0x64D2FF},
    {"indigo", 0x5856D6, 0x5E5CE6},
    {"teal", 0x30B0C7, 0x40C8E0},
    {"mint", 0x00C7BE, 0x63E6E2},
    {"brown", 0xA2845E, 0xAC8E68},
    {"gray", 0x8E8E93, 0x8E8E93},
}};

// The colour of that exact (case-sensitive) name, or none.
constexpr std::optional<std::uint32_t> rgb(std::string_view name, bool dark) {
    for (const Named& entry : all) {
        if (entry.name == name) {
            return dark ? entry.dark : entry.light;
        }
    }
    return std::nullopt;
}

// The same as an opaque colour; an invalid colour for an unknown name.
inline QColor color(std::string_view name, bool dark) {
    const auto value = rgb(name, dark);
    return value ? QColor::fromRgb(static_cast<QRgb>(*value)) : QColor();
}

}  // namespace swivlo::SystemColors
