#pragma once

#include <array>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "scenes/Scene.h"

namespace swivlo {

// Builds the scene list straight from nlohmann's parser events, without a document in between
// (loading is on the main thread at start-up, and the list can be long). It keeps the
// document's meaning: unknown members are skipped whatever they hold, and when a member
// repeats, the last one counts.
class SceneListReader {
public:
    using Json = nlohmann::ordered_json;
    using number_integer_t = Json::number_integer_t;
    using number_unsigned_t = Json::number_unsigned_t;
    using number_float_t = Json::number_float_t;
    using string_t = Json::string_t;
    using binary_t = Json::binary_t;

    // The members of a stored scene, in the order they are written.
    enum Member : unsigned { Id, Name, Icon, Color, IsActive, Features, Unknown };
    static constexpr std::array<const char*, Unknown> memberNames = {
        "id", "name", "icon", "color", "isActive", "features"};

    // The scenes, once the parser has accepted the whole text.
    std::vector<Scene>& scenes() { return scenes_; }

    bool null() { return other(); }
    bool boolean(bool value);
    bool number_integer(number_integer_t) { return other(); }
    bool number_unsigned(number_unsigned_t) { return other(); }
    bool number_float(number_float_t, const string_t&) { return other(); }
    bool string(string_t& value);
    bool binary(binary_t&) { return other(); }
    bool start_object(std::size_t);
    bool key(string_t& name);
    bool end_object();
    bool start_array(std::size_t);
    bool end_array();
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) {
        return false;
    }

private:
    enum class Level { Top, List, Scene, Features, Done };
    static constexpr unsigned kAllMembers = (1u << Unknown) - 1;

    // A value that no member of a scene takes: wrong for a known member, ignored otherwise.
    bool other();
    // Enters a container whose contents do not matter.
    bool skipContainer();
    bool unexpectedContainer();
    // The current feature's value: a bool, or none for any other value.
    void setFeature(std::optional<bool> value);
    void setValid(bool valid);

    std::vector<Scene> scenes_;
    Level level_ = Level::Top;
    int skipDepth_ = 0;
    Member member_ = Unknown;
    unsigned validMembers_ = 0;
    // Feature names whose last value is not a bool.
    std::vector<std::string> invalidFeatures_;
    Scene scene_;
    std::string featureName_;
};

}  // namespace swivlo
