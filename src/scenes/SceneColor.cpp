#include "scenes/SceneColor.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace swivlo {

namespace {

struct NamedColor {
    std::string_view name;
    QRgb light;
    QRgb dark;
};

// The host's system colours for the light and the dark appearance.
constexpr std::array<NamedColor, 10> kNamedColors = {{
    {"blue", qRgb(0, 122, 255), qRgb(10, 132, 255)},
    {"green", qRgb(52, 199, 89), qRgb(48, 209, 88)},
    {"orange", qRgb(255, 149, 0), qRgb(255, 159, 10)},
    {"purple", qRgb(175, 82, 222), qRgb(191, 90, 242)},
    {"pink", qRgb(255, 45, 85), qRgb(255, 55, 95)},
    {"red", qRgb(255, 59, 48), qRgb(255, 69, 58)},
    {"yellow", qRgb(255, 204, 0), qRgb(255, 214, 10)},
    {"cyan", qRgb(50, 173, 230), qRgb(100, 210, 255)},
    {"indigo", qRgb(88, 86, 214), qRgb(94, 92, 230)},
    {"teal", qRgb(48, 176, 199), qRgb(64, 200, 224)},
}};

constexpr std::array<std::string_view, 10> kNames = {
    kNamedColors[0].name, kNamedColors[1].name, kNamedColors[2].name, kNamedColors[3].name,
    kNamedColors[4].name, kNamedColors[5].name, kNamedColors[6].name, kNamedColors[7].name,
    kNamedColors[8].name, kNamedColors[9].name,
};

QColor systemBlue(bool isDark) {
    return QColor::fromRgb(isDark ? kNamedColors[0].dark : kNamedColors[0].light);
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

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
    for (const NamedColor& named : kNamedColors) {
        if (named.name == text) {
            return QColor::fromRgb(isDark ? named.dark : named.light);
        }
    }
    if (auto custom = parseCustomColor(text)) {
        return *custom;
    }
    return systemBlue(isDark);
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
    for (const char c : text) {
        const int digit = hexDigit(c);
        if (digit < 0) {
            return std::nullopt;
        }
        v = (v << 4) | static_cast<unsigned>(digit);
    }
    return QColor::fromRgb(static_cast<int>((v >> 16) & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                           static_cast<int>(v & 0xFF));
}

std::string customColorString(const QColor& colour) {
    const QColor rgb = colour.isValid() ? colour.toRgb() : systemBlue(false);
    char text[16];
    std::snprintf(text, sizeof text, "custom:%02X%02X%02X", channel(rgb.redF()),
                  channel(rgb.greenF()), channel(rgb.blueF()));
    return text;
}

}  // namespace swivlo
