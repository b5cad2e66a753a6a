#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "scenes/Scene.h"
#include "scenes/ScenePresets.h"

class QAbstractAnimation;
class QVBoxLayout;

namespace swivlo {

class SceneManager;

// The Scene tab: the user's scenes (or the empty state), the five presets and "Add Scene".
// Redraws whenever the store's list changes; keeps no copy of it.
class SceneSettingsView : public QWidget {
    Q_OBJECT

public:
    SceneSettingsView(SceneManager& manager, std::function<void()> onCreateScene,
                      std::function<void(const Scene&)> onEditScene, QWidget* parent = nullptr);

    const std::vector<ScenePreset>& presetScenes() const { return presetScenes_; }
    void addPreset(std::size_t index);
    void createScene();
    bool isBreathing() const { return isBreathing_; }

private:
    void rebuildScenes();
    QWidget* emptyState();

    SceneManager& manager_;
    std::function<void()> onCreateScene_;
    std::function<void(const Scene&)> onEditScene_;
    std::vector<ScenePreset> presetScenes_;
    bool isBreathing_ = false;
    QWidget* scenesSection_ = nullptr;
    QVBoxLayout* scenesHolder_ = nullptr;
};

}  // namespace swivlo
