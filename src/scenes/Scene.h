#pragma once

#include <QUuid>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace swivlo {

// Feature id -> the value a scene sets for that switch.
using SceneFeatures = std::map<std::string, bool, std::less<>>;

// A saved preset of switch values. Texts are UTF-8.
struct Scene {
    QUuid id;
    std::string name;
    std::string icon;
    std::string color;
    bool isActive = false;
    // A feature not in the map is left alone by the scene.
    SceneFeatures features;

    friend bool operator==(const Scene&, const Scene&) = default;
};

// The canonical 36-character form, upper case: 8-4-4-4-12 hexadecimal digits with hyphens.
std::string sceneIdString(const QUuid& id);
// Reads exactly the canonical form, in either case; anything else (braces, other lengths,
// missing hyphens) is not an id.
std::optional<QUuid> parseSceneId(std::string_view text);

}  // namespace swivlo
