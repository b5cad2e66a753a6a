#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "scenes/Scene.h"

namespace swivlo {

// One switch a scene can set, as the scene editor lists it.
struct SceneFeature {
    std::string id;
    QString title;  // localised
    std::string icon;
    bool defaultValue = true;

    friend bool operator==(const SceneFeature&, const SceneFeature&) = default;

    // The switches scenes can set, in the switch catalogue's order; built (and localised) once,
    // on first use.
    static const std::vector<SceneFeature>& allFeatures();
    // The catalogue entry with this id, or null for an id the catalogue does not know.
    static const SceneFeature* find(std::string_view id);
};

// The one-line summary shown under a scene's name: the short labels of the features it sets
// (whatever the value), in catalogue order, joined by " · "; the "feature_summary_empty" text
// when it sets none the catalogue knows.
QString sceneSummary(const Scene& scene);

}  // namespace swivlo
