#pragma once

#include <QString>
#include <vector>

#include "scenes/Scene.h"

namespace swivlo {

// A ready-made scene the Scene tab offers, with the line that describes it.
struct ScenePreset {
    Scene scene;
    QString description;  // localised
};

// The five presets, localised as they read now, each with a fresh random id and inactive.
std::vector<ScenePreset> presetScenes();

// The scene that adding a preset stores: a copy with a new random id, inactive, so adding the
// same preset twice gives two independent scenes.
Scene sceneFromPreset(const Scene& preset);

}  // namespace swivlo
