#include "scenes/SceneCodec.h"

#include <nlohmann/json.hpp>

#include "scenes/SceneListReader.h"

namespace swivlo {

namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kId = "id";
constexpr const char* kName = "name";
constexpr const char* kIcon = "icon";
constexpr const char* kColor = "color";
constexpr const char* kIsActive = "isActive";
constexpr const char* kFeatures = "features";

}  // namespace

std::optional<std::string> encodeScenes(const std::vector<Scene>& scenes) {
    // One object serves every scene: its members stay in the written order and keep their
    // storage, so a long list costs little more than the text itself.
    Json object = Json::object();
    for (const char* name : {kId, kName, kIcon, kColor}) {
        object[name] = std::string();
    }
    object[kIsActive] = false;
    object[kFeatures] = Json::object();
    // The object is a vector of members underneath: reach them by position.
    using Members = Json::object_t::Container;
    auto& members = static_cast<Members&>(object.get_ref<Json::object_t&>());
    Json& features = members[5].second;

    std::string text = "[";
    try {
        for (const Scene& scene : scenes) {
            members[0].second.get_ref<std::string&>() = sceneIdString(scene.id);
            members[1].second.get_ref<std::string&>() = scene.name;
            members[2].second.get_ref<std::string&>() = scene.icon;
            members[3].second.get_ref<std::string&>() = scene.color;
            members[4].second = scene.isActive;
            // The names are unique already, so they are appended without a look-up.
            auto& list = static_cast<Members&>(features.get_ref<Json::object_t&>());
            list.clear();
            for (const auto& [name, value] : scene.features) {
                list.emplace_back(name, value);
            }
            if (text.size() > 1) {
                text += ',';
            }
            // Strict: a text that is not UTF-8 fails the whole encoding instead of being altered.
            text += object.dump(-1, ' ', false, Json::error_handler_t::strict);
        }
    } catch (const Json::exception&) {
        return std::nullopt;
    }
    text += ']';
    return text;
}

std::optional<std::vector<Scene>> decodeScenes(std::string_view bytes) {
    SceneListReader reader;
    try {
        if (!Json::sax_parse(bytes.begin(), bytes.end(), &reader)) {
            return std::nullopt;
        }
    } catch (const Json::exception&) {
        return std::nullopt;
    }
    return std::move(reader.scenes());
}

}  // namespace swivlo
