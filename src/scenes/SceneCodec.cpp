#include "scenes/SceneCodec.h"

#include <nlohmann/json.hpp>

namespace swivlo {

namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kId = "id";
constexpr const char* kName = "name";
constexpr const char* kIcon = "icon";
constexpr const char* kColor = "color";
constexpr const char* kIsActive = "isActive";
constexpr const char* kFeatures = "features";

const Json* member(const Json& object, const char* name) {
    const auto it = object.find(name);
    return it == object.end() ? nullptr : &*it;
}

const std::string* stringMember(const Json& object, const char* name) {
    const Json* value = member(object, name);
    return value && value->is_string() ? &value->get_ref<const std::string&>() : nullptr;
}

std::optional<Scene> decodeScene(const Json& object) {
    if (!object.is_object()) {
        return std::nullopt;
    }
    const std::string* id = stringMember(object, kId);
    const std::string* name = stringMember(object, kName);
    const std::string* icon = stringMember(object, kIcon);
    const std::string* color = stringMember(object, kColor);
    const Json* isActive = member(object, kIsActive);
    const Json* features = member(object, kFeatures);
    if (!id || !name || !icon || !color || !isActive || !isActive->is_boolean() || !features ||
        !features->is_object()) {
        return std::nullopt;
    }
    const auto uuid = parseSceneId(*id);
    if (!uuid) {
        return std::nullopt;
    }
    Scene scene{*uuid, *name, *icon, *color, isActive->get<bool>(), {}};
    for (const auto& [key, value] : features->items()) {
        if (!value.is_boolean()) {
            return std::nullopt;
        }
        scene.features.insert_or_assign(key, value.get<bool>());
    }
    return scene;
}

Json encodeScene(const Scene& scene) {
    Json features = Json::object();
    for (const auto& [key, value] : scene.features) {
        features.emplace(key, value);
    }
    Json object = Json::object();
    object.emplace(kId, sceneIdString(scene.id));
    object.emplace(kName, scene.name);
    object.emplace(kIcon, scene.icon);
    object.emplace(kColor, scene.color);
    object.emplace(kIsActive, scene.isActive);
    object.emplace(kFeatures, std::move(features));
    return object;
}

}  // namespace

std::optional<std::string> encodeScenes(const std::vector<Scene>& scenes) {
    Json list = Json::array();
    list.get_ref<Json::array_t&>().reserve(scenes.size());
    for (const Scene& scene : scenes) {
        list.push_back(encodeScene(scene));
    }
    try {
        // Strict: a text that is not UTF-8 fails the whole encoding instead of being altered.
        return list.dump(-1, ' ', false, Json::error_handler_t::strict);
    } catch (const Json::exception&) {
        return std::nullopt;
    }
}

std::optional<std::vector<Scene>> decodeScenes(std::string_view bytes) {
    const Json root = Json::parse(bytes.begin(), bytes.end(), nullptr, /*allow_exceptions=*/false);
    if (!root.is_array()) {
        return std::nullopt;
    }
    std::vector<Scene> scenes;
    scenes.reserve(root.size());
    for (const Json& element : root) {
        auto scene = decodeScene(element);
        if (!scene) {
            return std::nullopt;
        }
        scenes.push_back(std::move(*scene));
    }
    return scenes;
}

}  // namespace swivlo
