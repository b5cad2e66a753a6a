#include "scenes/SceneCodec.h"

#include <nlohmann/json.hpp>

#include "scenes/SceneListReader.h"

namespace swivlo {

namespace {

using Json = nlohmann::ordered_json;
using Member = SceneListReader::Member;

}  // namespace

std::optional<std::string> encodeScenes(const std::vector<Scene>& scenes) {
    // One object serves every scene: its members stay in the written order and keep their
    // storage, so a long list costs little more than the text itself.
    Json object = Json::object();
    for (const char* name : SceneListReader::memberNames) {
        object[name] = std::string();
    }
    // The object is a vector of members underneath: reach them by position.
    using Members = Json::object_t::Container;
    auto& members = static_cast<Members&>(object.get_ref<Json::object_t&>());
    Json& features = members[Member::Features].second;
    features = Json::object();

    std::string text = "[";
    try {
        for (const Scene& scene : scenes) {
            members[Member::Id].second.get_ref<std::string&>() = sceneIdString(scene.id);
            members[Member::Name].second.get_ref<std::string&>() = scene.name;
            members[Member::Icon].second.get_ref<std::string&>() = scene.icon;
            members[Member::Color].second.get_ref<std::string&>() = scene.color;
            members[Member::IsActive].second = scene.isActive;
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
