#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "scenes/Scene.h"

namespace swivlo {

// The stored form of the scene list: compact UTF-8 JSON, one object per scene with the members
// "id", "name", "icon", "color", "isActive", "features" in that order.

// None when a text of some scene is not valid UTF-8 (nothing sensible could be stored).
std::optional<std::string> encodeScenes(const std::vector<Scene>& scenes);

// All or nothing: none unless the text is a JSON array whose every element is an object with
// all six members of the right types and a canonical id. Members may come in any order and
// unknown members are ignored.
std::optional<std::vector<Scene>> decodeScenes(std::string_view bytes);

}  // namespace swivlo
