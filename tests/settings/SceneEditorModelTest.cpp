#include <gtest/gtest.h>

#include "SettingsFixture.h"
#include "scenes/SceneColor.h"
#include "scenes/SceneManager.h"
#include "settings/SceneEditorModel.h"

namespace swivlo {
namespace {

using testing::SettingsTest;

Scene storedScene(std::string icon, std::string color, SceneFeatures features = {}) {
    Scene scene;
    scene.id = QUuid::createUuid();
    scene.name = "Evening";
    scene.icon = std::move(icon);
    scene.color = std::move(color);
    scene.isActive = true;
    scene.features = std::move(features);
    return scene;
}

TEST_F(SettingsTest, ANewSceneStartsFromTheDefaultsAndSavesAnEmptyFeatureMap) {
    SceneManager manager;
    SceneEditorModel model;
    EXPECT_FALSE(model.canSave());
    model.name = "W";
    EXPECT_TRUE(model.canSave());
    model.save(manager);
    ASSERT_EQ(manager.scenes().size(), 1u);
    const Scene& saved = manager.scenes().front();
    EXPECT_TRUE(saved.features.empty());
    EXPECT_FALSE(saved.isActive);
    EXPECT_FALSE(saved.id.isNull());
}

TEST_F(SettingsTest, ANameOfSpacesIsAcceptedAsTyped) {
    SceneEditorModel model;
    model.name = "   ";
    EXPECT_TRUE(model.canSave());
    EXPECT_EQ(model.sceneToSave(SceneManager()).name, "   ");
}

TEST_F(SettingsTest, SelectingTheCustomSwatchStoresItsColourAsACustomValue) {
    SceneEditorModel model;  // the swatch starts purple
    model.selectCustomColor();
    EXPECT_EQ(model.selectedColor(), customColorString(resolveSceneColor("purple")));
    EXPECT_EQ(model.selectedColor().rfind("custom:", 0), 0u);
    model.changeCustomColor(QColor(255, 0, 0, 40));  // the picked opacity is not kept
    EXPECT_EQ(model.selectedColor(), "custom:FF0000");
    EXPECT_TRUE(model.isCustomColorSelected());
}

TEST_F(SettingsTest, MovingFeaturesKeepsOrForgetsTheirValues) {
    SceneEditorModel model(storedScene("film", "blue", {{"darkMode", false}}));
    model.moveFeature("darkMode", true);  // dropped on its own box: unchanged
    EXPECT_FALSE(model.featureValue("darkMode"));
    model.moveFeature("darkMode", false);
    EXPECT_EQ(model.featureConfigs().count("darkMode"), 0u);
    model.moveFeature("darkMode", true);
    EXPECT_EQ(model.featureConfigs().at("darkMode"), SceneFeature::find("darkMode")->defaultValue);
    model.moveFeature("notAFeature", true);
    EXPECT_EQ(model.featureConfigs().size(), 1u);
}

TEST_F(SettingsTest, BoxesListFeaturesInCatalogueOrder) {
    SceneEditorModel model(
        storedScene("film", "blue", {{"keepAwake", true}, {"hideDesktop", true}}));
    const auto enabled = model.enabledFeatures();
    ASSERT_EQ(enabled.size(), 2u);
    EXPECT_EQ(enabled[0].id, "hideDesktop");
    EXPECT_EQ(enabled[1].id, "keepAwake");
    EXPECT_EQ(model.disabledFeatures().size(), SceneFeature::allFeatures().size() - 2);
}

TEST_F(SettingsTest, ADropMovesTheFeatureOnTheMainQueueAndRefusesNoText) {
    SceneEditorModel model;
    int changes = 0;
    model.onFeaturesChanged = [&] { ++changes; };
    EXPECT_FALSE(model.dropText(std::nullopt, true));
    EXPECT_TRUE(model.dropText(QStringLiteral("hideWidgets"), true));
    EXPECT_TRUE(model.featureConfigs().empty());  // not before the text has arrived
    platform.mainQueue.advance(0);
    EXPECT_EQ(model.featureConfigs().count("hideWidgets"), 1u);
    EXPECT_EQ(changes, 1);

    EXPECT_TRUE(model.dropText(QStringLiteral("not a feature id"), true));
    platform.mainQueue.advance(0);
    EXPECT_EQ(model.featureConfigs().size(), 1u);
    EXPECT_EQ(changes, 1);
}

TEST_F(SettingsTest, ADropLandingAfterTheEditorClosedDoesNothing) {
    auto model = std::make_unique<SceneEditorModel>();
    model->dropText(QStringLiteral("darkMode"), true);
    model.reset();
    platform.mainQueue.advance(0);  // must not touch the freed editor
}

}  // namespace
}  // namespace swivlo
