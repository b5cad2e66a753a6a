#include "scenes/SceneListReader.h"

#include <string_view>

namespace swivlo {

void SceneListReader::setValid(bool valid) {
    if (member_ == Unknown) {
        return;
    }
    if (valid) {
        validMembers_ |= 1u << member_;
    } else {
        validMembers_ &= ~(1u << member_);
    }
}

void SceneListReader::setFeature(std::optional<bool> value) {
    std::erase(invalidFeatures_, featureName_);
    if (value) {
        scene_.features.insert_or_assign(featureName_, *value);
    } else {
        scene_.features.erase(featureName_);
        invalidFeatures_.push_back(featureName_);
    }
}

bool SceneListReader::other() {
    if (skipDepth_ > 0) {
        return true;
    }
    switch (level_) {
        case Level::Scene:
            setValid(false);
            return true;
        case Level::Features:
            setFeature(std::nullopt);
            return true;
        default:
            return false;
    }
}

bool SceneListReader::skipContainer() {
    ++skipDepth_;
    return true;
}

// A container where a member's or a feature's value belongs makes that value invalid, and its
// contents are skipped; anywhere else the document is not a scene list.
bool SceneListReader::unexpectedContainer() {
    return other() && skipContainer();
}

bool SceneListReader::boolean(bool value) {
    if (skipDepth_ > 0) {
        return true;
    }
    if (level_ == Level::Features) {
        setFeature(value);
        return true;
    }
    if (level_ == Level::Scene && member_ == IsActive) {
        scene_.isActive = value;
        setValid(true);
        return true;
    }
    return other();
}

bool SceneListReader::string(string_t& value) {
    if (skipDepth_ > 0 || level_ != Level::Scene) {
        return other();
    }
    switch (member_) {
        case Id: {
            const auto id = parseSceneId(value);
            if (id) {
                scene_.id = *id;
            }
            setValid(id.has_value());
            return true;
        }
        case Name:
            scene_.name = std::move(value);
            break;
        case Icon:
            scene_.icon = std::move(value);
            break;
        case Color:
            scene_.color = std::move(value);
            break;
        default:
            return other();
    }
    setValid(true);
    return true;
}

bool SceneListReader::start_object(std::size_t) {
    if (skipDepth_ > 0) {
        return skipContainer();
    }
    if (level_ == Level::List) {
        level_ = Level::Scene;
        scene_ = Scene{};
        validMembers_ = 0;
        member_ = Unknown;
        return true;
    }
    if (level_ == Level::Scene && member_ == Features) {
        level_ = Level::Features;
        scene_.features.clear();
        invalidFeatures_.clear();
        return true;
    }
    return unexpectedContainer();
}

bool SceneListReader::key(string_t& name) {
    if (skipDepth_ > 0) {
        return true;
    }
    if (level_ == Level::Features) {
        featureName_ = std::move(name);
        return true;
    }
    member_ = Unknown;
    for (unsigned m = Id; m < Unknown; ++m) {
        if (name == memberNames[m]) {
            member_ = static_cast<Member>(m);
            break;
        }
    }
    return true;
}

bool SceneListReader::end_object() {
    if (skipDepth_ > 0) {
        --skipDepth_;
        return true;
    }
    if (level_ == Level::Features) {
        level_ = Level::Scene;
        setValid(invalidFeatures_.empty());
        return true;
    }
    // The end of a scene: every member must be there with the right type, or nothing loads.
    if (validMembers_ != kAllMembers) {
        return false;
    }
    scenes_.push_back(std::move(scene_));
    level_ = Level::List;
    return true;
}

bool SceneListReader::start_array(std::size_t) {
    if (skipDepth_ > 0) {
        return skipContainer();
    }
    if (level_ == Level::Top) {
        level_ = Level::List;
        return true;
    }
    return unexpectedContainer();
}

bool SceneListReader::end_array() {
    if (skipDepth_ > 0) {
        --skipDepth_;
        return true;
    }
    level_ = Level::Done;
    return true;
}

}  // namespace swivlo
