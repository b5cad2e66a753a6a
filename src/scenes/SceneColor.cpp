#include "scenes/SceneColor.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "platform/SystemColors.h"

namespace swivlo {

namespace {

// The colours a scene can take by name, in the order an editor offers them.
constexpr std::array<std::string_view, 10> kNames = {
    "blue", "green", "orange", "purple", "pink", "red", "yellow", "cyan", "indigo", "teal",
};

int channel(float component) {
    // Extended-range colours can lie outside 0-1; the stored form has one byte per channel.
    const long rounded = std::lround(static_cast<double>(component) * 255.0);
    return static_cast<int>(std::clamp(rounded, 0L, 255L));
}

}  // namespace

std::span<const std::string_view> sceneColorNames() {
    return kNames;
}

QColor resolveSceneColor(std::string_view text, bool isDark) {
    if (std::find(kNames.begin(), kNames.end(), text) != kNames.end()) {
        return SystemColors::color(text, isDark);
    }
    if (auto custom = parseCustomColor(text)) {
        return *custom;
    }
    return SystemColors::color("blue", isDark);
}

std::optional<QColor> parseCustomColor(std::string_view text) {
    constexpr std::string_view kCustom = "custom:";
    if (text.starts_with(kCustom)) {
        text.remove_prefix(kCustom.size());
    } else if (text.starts_with('#')) {
        text.remove_prefix(1);
    } else {
        return std::nullopt;
    }
    if (text.size() != 6) {
        return std::nullopt;
    }
    unsigned v = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v, 16);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return QColor::fromRgb(static_cast<int>((v >> 16) & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                           static_cast<int>(v & 0xFF));
}

std::string customColorString(const QColor& colour) {
    const QColor rgb = colour.isValid() ? colour.toRgb() : SystemColors::color("blue", false);
    char text[16];
    std::snprintf(text, sizeof text, "custom:%02X%02X%02X", channel(rgb.redF()),
                  channel(rgb.greenF()), channel(rgb.blueF()));
    return text;
}

}  // namespace swivlo
