#include "scenes/Scene.h"
#include "scenes/HexDigit.h"

#include <QByteArray>
#include <array>

namespace swivlo {

namespace {

constexpr std::size_t kIdLength = 36;
constexpr std::array<std::size_t, 4> kHyphens = {8, 13, 18, 23};

bool isHyphenPosition(std::size_t i) {
    for (const std::size_t h : kHyphens) {
        if (i == h) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::string sceneIdString(const QUuid& id) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const QByteArray bytes = id.toRfc4122();
    std::string text;
    text.reserve(kIdLength);
    for (int i = 0; i < bytes.size(); ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) {
            text.push_back('-');
        }
        const auto b = static_cast<unsigned char>(bytes[i]);
        text.push_back(kDigits[b >> 4]);
        text.push_back(kDigits[b & 0xF]);
    }
    return text;
}

std::optional<QUuid> parseSceneId(std::string_view text) {
    if (text.size() != kIdLength) {
        return std::nullopt;
    }
    std::array<char, 16> bytes{};
    std::size_t out = 0;
    for (std::size_t i = 0; i < kIdLength;) {
        if (isHyphenPosition(i)) {
            if (text[i] != '-') {
                return std::nullopt;
            }
            ++i;
            continue;
        }
        const int high = hexDigitValue(text[i]);
        const int low = hexDigitValue(text[i + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        bytes[out++] = static_cast<char>((high << 4) | low);
        i += 2;
    }
    return QUuid::fromRfc4122(QByteArrayView(bytes.data(), bytes.size()));
}

}  // namespace swivlo
