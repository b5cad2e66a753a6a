#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "HostTimelines.h"
#include "SimulatedHostFixture.h"
#include "fakes/TestPlatform.h"
#include "scenes/SceneCodec.h"
#include "scenes/SceneManager.h"

namespace swivlo {
namespace {

using namespace testing::timelines;

Scene scene(const char* name, SceneFeatures features, bool active = false) {
    return Scene{QUuid::createUuid(), name, "tv", "blue", active, std::move(features)};
}

class SceneActivation : public ::testing::Test {
protected:
    void SetUp() override { platform.preferences.directory = folder.path().toStdString(); }

    void store(const std::vector<Scene>& scenes) {
        platform.preferences.setData("SwivloScenes",
                                     QByteArray::fromStdString(*encodeScenes(scenes)));
    }
    std::vector<Scene> stored() const {
        return *decodeScenes(platform.preferences.dataValue("SwivloScenes")->toStdString());
    }
    const Texts& events() const { return host.host.events(); }

    testing::TestPlatform platform;
    testing::SimulatedHostFixture host;
    QTemporaryDir folder;
};

struct FeatureCase {
    const char* id;
    bool value;
    Texts applied;
    Texts reverted;
};

class SceneFeatureAction : public SceneActivation,
                           public ::testing::WithParamInterface<FeatureCase> {};

TEST_P(SceneFeatureAction, AppliesTheValueAndRevertsToItsNegation) {
    const auto& c = GetParam();
    SceneManager manager;
    const Scene s = scene("S", {{c.id, c.value}});
    manager.applyFeatures(s);
    EXPECT_EQ(events(), c.applied);
    host.clearHistory();
    manager.revertFeatures(s);
    EXPECT_EQ(events(), c.reverted);
}

INSTANTIATE_TEST_SUITE_P(
    EveryFeature, SceneFeatureAction,
    ::testing::Values(FeatureCase{"hideDesktop", true, desktopVisible(false), desktopVisible(true)},
                      FeatureCase{"hideWidgets", true, widgetsHidden(true), widgetsHidden(false)},
                      FeatureCase{"autoHideDock", true, dock(true), dock(false)},
                      FeatureCase{"stageManager", false, stageManager(false), stageManager(true)},
                      FeatureCase{"darkMode", true, darkMode(true), darkMode(false)},
                      FeatureCase{"keepAwake", true, keepAwakeOn, keepAwakeOff},
                      FeatureCase{"fromLaterVersion", true, {}, {}}));

TEST_F(SceneActivation, RunsTheActionsInCatalogueOrder) {
    SceneManager manager;
    manager.applyFeatures(scene("All", {{"keepAwake", true},
                                        {"darkMode", true},
                                        {"stageManager", true},
                                        {"autoHideDock", true},
                                        {"hideWidgets", true},
                                        {"hideDesktop", true},
                                        {"aaa", true}}));
    EXPECT_EQ(events(), desktopVisible(false) + widgetsHidden(true) + dock(true) +
                            stageManager(true) + darkMode(true) + keepAwakeOn);
}

TEST_F(SceneActivation, AnotherActiveSceneIsRevertedBeforeTheNewOneApplies) {
    const Scene a = scene("A", {{"hideDesktop", true}, {"darkMode", false}}, true);
    const Scene b = scene("B", {{"darkMode", true}, {"keepAwake", true}});
    store({a, b});
    SceneManager manager;
    int changes = 0;
    QObject::connect(&manager, &SceneManager::scenesChanged, [&] { ++changes; });

    manager.activateScene(b);

    EXPECT_EQ(events(), desktopVisible(true) + darkMode(true) + darkMode(true) + keepAwakeOn);
    ASSERT_EQ(manager.scenes().size(), 2u);
    EXPECT_FALSE(manager.scenes()[0].isActive);
    EXPECT_TRUE(manager.scenes()[1].isActive);
    EXPECT_EQ(stored(), manager.scenes());
    EXPECT_GE(changes, 1);
}

TEST_F(SceneActivation, TheArgumentReplacesTheStoredCopy) {
    const Scene a = scene("A", {{"darkMode", true}});
    store({a});
    SceneManager manager;
    Scene edited = a;
    edited.name = "A2";
    edited.features = {{"autoHideDock", false}};
    manager.activateScene(edited);
    edited.isActive = true;
    EXPECT_EQ(manager.scenes(), std::vector<Scene>{edited});
    EXPECT_EQ(events(), dock(false));
}

TEST_F(SceneActivation, ReactivatingTheActiveSceneAppliesItAgainWithoutReverting) {
    const Scene a = scene("A", {{"stageManager", true}}, true);
    store({a});
    SceneManager manager;
    manager.activateScene(a);
    EXPECT_EQ(events(), stageManager(true));
    EXPECT_TRUE(manager.scenes()[0].isActive);
}

// Turning on a scene without features, or off with no scene on: no switch moves, one save.
TEST_F(SceneActivation, WhatSwitchesNothingOnlySaves) {
    const Scene a = scene("A", {});
    store({a, scene("B", {{"hideDesktop", true}})});
    SceneManager manager;
    const int writes = platform.preferences.writeCount();
    manager.activateScene(a);
    EXPECT_TRUE(events().empty());
    EXPECT_EQ(platform.preferences.writeCount(), writes + 1);
    EXPECT_TRUE(stored()[0].isActive);
    host.clearHistory();
    manager.deactivateActiveScene();
    manager.deactivateActiveScene();
    EXPECT_EQ(platform.preferences.writeCount(), writes + 3);
    EXPECT_TRUE(host.timeline().empty());
}

TEST_F(SceneActivation, ANeverAddedPresetIsAppliedAndTheListSavedUnchanged) {
    const Scene a = scene("A", {{"darkMode", true}});
    store({a});
    SceneManager manager;
    const int writes = platform.preferences.writeCount();
    manager.activateScene(scene("Preset", {{"autoHideDock", true}}));
    EXPECT_EQ(events(), dock(true));
    EXPECT_EQ(manager.scenes(), std::vector<Scene>{a});
    EXPECT_EQ(stored(), std::vector<Scene>{a});
    EXPECT_EQ(platform.preferences.writeCount(), writes + 1);
}

TEST_F(SceneActivation, ActivationMarksTheSceneEvenWhenScriptsAreRefused) {
    host.host.setAutomationPermitted(false);
    const Scene a = scene("A", {{"darkMode", true}, {"autoHideDock", true}});
    store({a});
    SceneManager manager;
    manager.activateScene(a);
    EXPECT_EQ(events(), dock(true) + darkMode(true));
    EXPECT_TRUE(stored()[0].isActive);
}

TEST_F(SceneActivation, DeactivatingRevertsTheArgumentsFeaturesAndClearsTheFlag) {
    const Scene a = scene("A", {{"hideDesktop", true}}, true);
    store({a});
    SceneManager manager;
    Scene other = a;
    other.features = {{"darkMode", false}};
    manager.deactivateScene(other);
    EXPECT_EQ(events(), darkMode(true)) << "reverting is not restoring";
    EXPECT_FALSE(manager.scenes()[0].isActive);
    EXPECT_FALSE(stored()[0].isActive);
}

TEST_F(SceneActivation, EditingTouchesNoSwitch) {
    Scene a = scene("A", {{"hideDesktop", true}, {"keepAwake", true}}, true);
    SceneManager manager;
    manager.addOrUpdateScene(a);
    a.features = {{"darkMode", true}};
    manager.addOrUpdateScene(a);
    EXPECT_TRUE(host.timeline().empty());
}

}  // namespace
}  // namespace swivlo
