// Applying and undoing scenes: the SceneManager operations that drive the host.
#include "platform/LogOutput.h"
#include "scenes/SceneManager.h"
#include "switches/SystemTools.h"

namespace swivlo {

void SceneManager::runFeatures(const Scene& scene, bool inverted) {
    auto& tools = SystemTools::shared();
    // Catalogue order, so a scene always changes the host in the same order. A refused script
    // is logged (and reported) by the host; the scene carries on.
    for (const Switch& entry : SwitchCatalogue::all()) {
        const auto it =
            entry.featureId.empty() ? scene.features.end() : scene.features.find(entry.featureId);
        if (it == scene.features.end()) {
            continue;
        }
        if (const Support support = tools.availability(entry); !support.available) {
            logLine("⚠️ Scene " + scene.name + ": skipped " + entry.title + ": " +
                    support.reason.toStdString());
            continue;
        }
        tools.setSwitch(entry, it->second != inverted);
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
