// Feeds arbitrary bytes to the scene decoder. It must agree with a straightforward reading of
// the parsed document, and whatever it accepts must encode, decode back to the same scenes and
// encode to the same bytes again.
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string_view>

#include "scenes/SceneCodec.h"

namespace {

using Json = nlohmann::ordered_json;

const std::string* stringMember(const Json& object, const char* name) {
    const auto it = object.find(name);
    return it != object.end() && it->is_string() ? &it->get_ref<const std::string&>() : nullptr;
}

std::optional<swivlo::Scene> referenceScene(const Json& object) {
    if (!object.is_object()) {
        return std::nullopt;
    }
    const std::string* id = stringMember(object, "id");
    const std::string* name = stringMember(object, "name");
    const std::string* icon = stringMember(object, "icon");
    const std::string* color = stringMember(object, "color");
    const auto isActive = object.find("isActive");
    const auto features = object.find("features");
    if (!id || !name || !icon || !color || isActive == object.end() || !isActive->is_boolean() ||
        features == object.end() || !features->is_object()) {
        return std::nullopt;
    }
    const auto uuid = swivlo::parseSceneId(*id);
    if (!uuid) {
        return std::nullopt;
    }
    swivlo::Scene scene{*uuid, *name, *icon, *color, isActive->get<bool>(), {}};
    for (const auto& [key, value] : features->items()) {
        if (!value.is_boolean()) {
            return std::nullopt;
        }
        scene.features[key] = value.get<bool>();
    }
    return scene;
}

// The whole document first, then the members: the meaning the streaming decoder must keep.
std::optional<std::vector<swivlo::Scene>> referenceDecode(std::string_view bytes) {
    const Json root = Json::parse(bytes.begin(), bytes.end(), nullptr, false);
    if (!root.is_array()) {
        return std::nullopt;
    }
    std::vector<swivlo::Scene> scenes;
    for (const Json& element : root) {
        auto scene = referenceScene(element);
        if (!scene) {
            return std::nullopt;
        }
        scenes.push_back(std::move(*scene));
    }
    return scenes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto decoded = swivlo::decodeScenes(bytes);
    if (decoded != referenceDecode(bytes)) {
        std::abort();
    }
    if (!decoded) {
        return 0;
    }
    // Decoded texts come from valid JSON, so they are UTF-8 and must encode.
    const auto encoded = swivlo::encodeScenes(*decoded);
    if (!encoded) {
        std::abort();
    }
    const auto again = swivlo::decodeScenes(*encoded);
    if (!again || *again != *decoded) {
        std::abort();
    }
    if (swivlo::encodeScenes(*again) != encoded) {
        std::abort();
    }
    return 0;
}
