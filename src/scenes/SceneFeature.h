#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "scenes/Scene.h"

namespace swivlo {

// The ids a scene's feature map is keyed by (a vocabulary of their own, not the panel's).
namespace SceneFeatureId {
inline constexpr std::string_view hideDesktop = "hideDesktop";
inline constexpr std::string_view hideWidgets = "hideWidgets";
inline constexpr std::string_view autoHideDock = "autoHideDock";
inline constexpr std::string_view stageManager = "stageManager";
inline constexpr std::string_view darkMode = "darkMode";
inline constexpr std::string_view keepAwake = "keepAwake";
}  // namespace SceneFeatureId

// One switch a scene can set, as the scene editor lists it.
struct SceneFeature {
    std::string id;
    QString title;  // localised
    std::string icon;
    bool defaultValue = true;

    friend bool operator==(const SceneFeature&, const SceneFeature&) = default;

    // The catalogue, in editor order; built (and localised) once, on first use.
    static const std::vector<SceneFeature>& allFeatures();
    // The catalogue entry with this id, or null for an id the catalogue does not know.
    static const SceneFeature* find(std::string_view id);
};

// The one-line summary shown under a scene's name: the short labels of the features it sets
// (whatever the value), in catalogue order, joined by " · "; the "feature_summary_empty" text
// when it sets none the catalogue knows.
QString sceneSummary(const Scene& scene);

}  // namespace swivlo
