#include <gtest/gtest.h>

#include "SettingsFixture.h"
#include "scenes/SceneManager.h"
#include "settings/SceneEditorModel.h"

namespace swivlo {
namespace {

using testing::SettingsTest;

Scene storedScene(std::string icon, std::string color, SceneFeatures features = {}) {
    return Scene{QUuid::createUuid(), "Evening", std::move(icon),
                 std::move(color),    true,      std::move(features)};
}

TEST_F(SettingsTest, ANewSceneSavesOnceNamedWithAnId) {
    SceneManager manager;
    SceneEditorModel model;
    EXPECT_FALSE(model.canSave());
    model.name = "W";
    EXPECT_TRUE(model.canSave());
    model.save(manager);
    ASSERT_EQ(manager.scenes().size(), 1u);
    EXPECT_FALSE(manager.scenes().front().id.isNull());
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
