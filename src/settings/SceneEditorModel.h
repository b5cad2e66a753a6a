#pragma once

#include <QColor>
#include <QString>
#include <QUuid>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "scenes/Scene.h"
#include "scenes/SceneFeature.h"

namespace swivlo {

class SceneManager;

// What the editor sheet is for: a new scene, or the given one.
struct SceneEditorTarget {
    std::optional<Scene> scene;  // none: create

    static SceneEditorTarget create() { return {}; }
    static SceneEditorTarget edit(Scene scene) { return {std::move(scene)}; }
    bool isCreate() const { return !scene.has_value(); }
    // The sheet's identity: the scene's id, or a fixed id for a new scene.
    QUuid identity() const;
};

// The scene editor's state: everything lives only while the sheet is shown and nothing is
// written before save().
class SceneEditorModel {
public:
    // The custom swatch starts from the colour values of the appearance it is drawn in.
    explicit SceneEditorModel(std::optional<Scene> scene = std::nullopt, bool isDark = false);

    static const std::vector<std::string>& offeredIcons();
    static const std::vector<std::string>& offeredColors();

    const std::optional<Scene>& scene() const { return scene_; }
    QString title() const;

    std::string name;
    const std::string& selectedIcon() const { return selectedIcon_; }
    const std::string& customIcon() const { return customIcon_; }
    const std::string& selectedColor() const { return selectedColor_; }
    const QColor& customColor() const { return customColor_; }
    const SceneFeatures& featureConfigs() const { return featureConfigs_; }

    void selectIcon(const std::string& icon) { selectedIcon_ = icon; }
    bool isCustomIconSelected() const;
    void selectCustomIcon() { selectedIcon_ = customIcon_; }
    // A symbol picked for the custom button: shown there and selected.
    void changeCustomIcon(const std::string& icon);

    void selectColor(const std::string& color) { selectedColor_ = color; }
    bool isCustomColorSelected() const;
    // Selecting the swatch stores its colour as it is now, as a "custom:" value.
    void selectCustomColor();
    // A colour picked for the swatch; its opacity is not kept.
    void changeCustomColor(const QColor& color);

    // The features in each box, in catalogue order.
    std::vector<SceneFeature> enabledFeatures() const;
    std::vector<SceneFeature> disabledFeatures() const;
    // The value a row's switch shows: the stored one, else the feature's default.
    bool featureValue(const std::string& id) const;
    void setFeatureValue(const std::string& id, bool value);
    // Into the enabled box (keeping a value already there, else the default) or out of it
    // (forgetting the value). Ids the catalogue does not know change nothing.
    void moveFeature(const std::string& id, bool toEnabled);
    // A drop of plain text on a box: refused without text; otherwise accepted, and the move is
    // made on the main queue, as the dropped item's text arrives after the drop.
    bool dropText(const std::optional<QString>& text, bool toEnabled);

    // Told after a feature moved between the boxes.
    std::function<void()> onFeaturesChanged;

    bool canSave() const { return !name.empty(); }
    // The scene Save stores: a new id and inactive for a new scene. An edited scene keeps the
    // on/off state `store` holds now, which the panel may have changed while the sheet was open.
    Scene sceneToSave(const SceneManager& store) const;
    // Stores the scene in place or at the end; switches are not touched.
    void save(SceneManager& manager) const;

private:
    // The catalogue's features that the scene sets (enabled) or leaves alone, in catalogue order.
    std::vector<SceneFeature> featuresWhere(bool enabled) const;

    std::optional<Scene> scene_;
    std::string selectedIcon_ = "wand.and.stars";
    std::string customIcon_ = "sparkles";
    std::string selectedColor_ = "blue";
    QColor customColor_;
    SceneFeatures featureConfigs_;
    // Moves scheduled by a drop do nothing once the editor is gone.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

}  // namespace swivlo
