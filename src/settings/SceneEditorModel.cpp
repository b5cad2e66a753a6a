#include "settings/SceneEditorModel.h"

#include <QCoreApplication>
#include <algorithm>

#include "core/Localized.h"
#include "platform/MainQueue.h"
#include "scenes/SceneColor.h"
#include "scenes/SceneManager.h"

namespace swivlo {

namespace {

template <class T>
bool contains(const std::vector<T>& list, const T& value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

}  // namespace

QUuid SceneEditorTarget::identity() const {
    static const QUuid createId(QStringLiteral("00000000-0000-0000-0000-000000000001"));
    return scene ? scene->id : createId;
}

SceneEditorModel::SceneEditorModel(std::optional<Scene> scene, bool isDark)
    : scene_(std::move(scene)), customColor_(resolveSceneColor("purple", isDark)) {
    if (!scene_) {
        return;
    }
    name = scene_->name;
    selectedIcon_ = scene_->icon;
    if (!contains(offeredIcons(), scene_->icon)) {
        customIcon_ = scene_->icon;
    }
    selectedColor_ = scene_->color;
    customColor_ = resolveSceneColor(scene_->color, isDark);
    featureConfigs_ = scene_->features;
}

const std::vector<std::string>& SceneEditorModel::offeredIcons() {
    static const std::vector<std::string> icons = {"wand.and.stars", "house.fill",     "film",
                                                   "briefcase",      "gamecontroller", "moon.fill"};
    return icons;
}

const std::vector<std::string>& SceneEditorModel::offeredColors() {
    // Indigo and teal are kept when a scene has them, but not offered.
    static const std::vector<std::string> colors = [] {
        const auto offered = sceneColorNames().first(8);
        return std::vector<std::string>(offered.begin(), offered.end());
    }();
    return colors;
}

QString SceneEditorModel::title() const {
    return scene_ ? localized("Edit Scene") : localized("New Scene");
}

bool SceneEditorModel::isCustomIconSelected() const {
    return !contains(offeredIcons(), selectedIcon_);
}

void SceneEditorModel::changeCustomIcon(const std::string& icon) {
    customIcon_ = icon;
    selectedIcon_ = icon;
}

bool SceneEditorModel::isCustomColorSelected() const {
    return !contains(offeredColors(), selectedColor_);
}

void SceneEditorModel::selectCustomColor() {
    selectedColor_ = customColorString(customColor_);
}

void SceneEditorModel::changeCustomColor(const QColor& color) {
    customColor_ = color;
    customColor_.setAlphaF(1.0);
    selectedColor_ = customColorString(customColor_);
}

std::vector<SceneFeature> SceneEditorModel::featuresWhere(bool enabled) const {
    std::vector<SceneFeature> list;
    for (const auto& feature : SceneFeature::allFeatures()) {
        if (featureConfigs_.count(feature.id) == (enabled ? 1u : 0u)) {
            list.push_back(feature);
        }
    }
    return list;
}

std::vector<SceneFeature> SceneEditorModel::enabledFeatures() const {
    return featuresWhere(true);
}

std::vector<SceneFeature> SceneEditorModel::disabledFeatures() const {
    return featuresWhere(false);
}

bool SceneEditorModel::featureValue(const std::string& id) const {
    const auto it = featureConfigs_.find(id);
    if (it != featureConfigs_.end()) {
        return it->second;
    }
    const SceneFeature* feature = SceneFeature::find(id);
    return feature ? feature->defaultValue : false;
}

void SceneEditorModel::setFeatureValue(const std::string& id, bool value) {
    featureConfigs_[id] = value;
}

void SceneEditorModel::moveFeature(const std::string& id, bool toEnabled) {
    const SceneFeature* feature = SceneFeature::find(id);
    if (!feature) {
        return;
    }
    const bool changed = toEnabled ? featureConfigs_.try_emplace(id, feature->defaultValue).second
                                   : featureConfigs_.erase(id) > 0;
    if (changed && onFeaturesChanged) {
        onFeaturesChanged();
    }
}

bool SceneEditorModel::dropText(const std::optional<QString>& text, bool toEnabled) {
    if (!text) {
        return false;
    }
    std::weak_ptr<int> alive = alive_;
    mainQueue().async([this, alive, id = text->toStdString(), toEnabled] {
        if (!alive.expired()) {
            moveFeature(id, toEnabled);
        }
    });
    return true;
}

Scene SceneEditorModel::sceneToSave(const SceneManager& store) const {
    Scene saved;
    saved.id = scene_ ? scene_->id : QUuid::createUuid();
    saved.name = name;
    saved.icon = selectedIcon_;
    saved.color = selectedColor_;
    // A scene deleted meanwhile comes back inactive, like a new one.
    const Scene* stored = scene_ ? store.findScene(scene_->id) : nullptr;
    saved.isActive = stored && stored->isActive;
    saved.features = featureConfigs_;
    return saved;
}

void SceneEditorModel::save(SceneManager& manager) const {
    manager.addOrUpdateScene(sceneToSave(manager));
}

}  // namespace swivlo
