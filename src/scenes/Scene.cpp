#include "scenes/Scene.h"

namespace swivlo {

namespace {
// The stored form: 36 characters, upper-case hex digits in five hyphenated groups.
constexpr std::size_t kIdLength = 36;
constexpr std::string_view kNilId = "00000000-0000-0000-0000-000000000000";
}  // namespace

std::string sceneIdString(const QUuid& id) {
    return id.toString(QUuid::WithoutBraces).toUpper().toStdString();
}

std::optional<QUuid> parseSceneId(std::string_view text) {
    // Braces and other spellings QUuid would take are not the stored form.
    if (text.size() != kIdLength) {
        return std::nullopt;
    }
    const QUuid id = QUuid::fromString(QLatin1String(text.data(), qsizetype(text.size())));
    if (id.isNull() && text != kNilId) {
        return std::nullopt;
    }
    return id;
}

}  // namespace swivlo
