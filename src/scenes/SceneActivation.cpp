// Applying and undoing scenes: the SceneManager operations that drive the host.
#include "scenes/FeatureActions.h"
#include "scenes/SceneFeature.h"
#include "scenes/SceneManager.h"
#include "switches/SystemTools.h"

namespace swivlo {

namespace {

// The scripts' results are not used: a failure is logged (and a refusal reported) by the runner.
const FeatureAction kActions[] = {
    {SceneFeatureId::hideDesktop, [](bool v) { SystemTools::shared().setDesktopIconsVisible(!v); }},
    {SceneFeatureId::hideWidgets, [](bool v) { SystemTools::shared().setWidgetsHidden(v); }},
    {SceneFeatureId::autoHideDock, [](bool v) { SystemTools::shared().setDockAutoHide(v); }},
    {SceneFeatureId::stageManager, [](bool v) { SystemTools::shared().setStageManagerEnabled(v); }},
    {SceneFeatureId::darkMode, [](bool v) { SystemTools::shared().setDarkMode(v); }},
    {SceneFeatureId::keepAwake, [](bool v) { SystemTools::shared().setKeepAwake(v); }},
};

}  // namespace

std::span<const FeatureAction> featureActions() {
    return kActions;
}

void SceneManager::runFeatures(const Scene& scene, bool inverted) {
    // Catalogue order, so a scene always changes the host in the same order.
    for (const FeatureAction& action : featureActions()) {
        if (const auto it = scene.features.find(action.featureId); it != scene.features.end()) {
            action.run(it->second != inverted);
        }
    }
}

void SceneManager::applyFeatures(const Scene& scene) {
    runFeatures(scene, false);
}

void SceneManager::revertFeatures(const Scene& scene) {
    runFeatures(scene, true);
}

void SceneManager::activateScene(const Scene& scene) {
    const std::vector<Scene> snapshot = scenes_;
    for (const Scene& other : snapshot) {
        if (other.id == scene.id || !other.isActive) {
            continue;
        }
        revertFeatures(other);
        if (Scene* current = storedScene(other.id)) {
            current->isActive = false;
        }
    }
    Scene active = scene;
    active.isActive = true;
    // A scene that is not in the list (a preset never added) is applied but not added.
    if (Scene* current = storedScene(active.id)) {
        *current = active;
    }
    applyFeatures(active);
    saveScenes();
    emit scenesChanged();
}

void SceneManager::deactivateScene(const Scene& scene) {
    revertFeatures(scene);
    Scene* current = storedScene(scene.id);
    if (current) {
        current->isActive = false;
    }
    saveScenes();
    if (current) {
        emit scenesChanged();
    }
}

void SceneManager::deactivateActiveScene() {
    for (const Scene& scene : scenes_) {
        if (scene.isActive) {
            // A copy: the actions run before the list is touched, and must not see it move.
            deactivateScene(Scene(scene));
            return;
        }
    }
    saveScenes();
}

}  // namespace swivlo
