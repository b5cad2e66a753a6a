#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSet>
#include <QTranslator>

#include "scenes/SceneFeature.h"
#include "scenes/ScenePresets.h"

namespace swivlo {
namespace {

using namespace std::string_literals;

TEST(SceneFeature, LookUpByIdIsExact) {
    ASSERT_NE(SceneFeature::find("darkMode"), nullptr);
    EXPECT_EQ(SceneFeature::find("darkMode")->icon, "moon.fill");
    EXPECT_EQ(SceneFeature::find("DarkMode"), nullptr);
    EXPECT_EQ(SceneFeature::find("dark_mode"), nullptr) << "panel ids are another vocabulary";
    EXPECT_EQ(SceneFeature::find(""), nullptr);
}

Scene sceneWith(SceneFeatures features) {
    return Scene{QUuid(), "", "", "", false, features};
}

struct Summary {
    SceneFeatures features;
    const char* text;
};

class SceneSummaryTest : public ::testing::TestWithParam<Summary> {};

TEST_P(SceneSummaryTest, ListsKnownFeaturesInCatalogueOrder) {
    EXPECT_EQ(sceneSummary(sceneWith(GetParam().features)), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Values, SceneSummaryTest,
    ::testing::Values(
        Summary{{}, "feature_summary_empty"},
        Summary{{{"fromLaterVersion", true}}, "feature_summary_empty"},
        Summary{{{"darkMode", false}, {"keepAwake", true}}, "Dark Mode · Keep Awake"},
        Summary{{{"keepAwake", true}, {"autoHideDock", false}, {"hideDesktop", true}},
                "Hide Desktop · Auto Hide Dock · Keep Awake"},
        Summary{{{"zzz", true}, {"stageManager", false}}, "Stage Manager"},
        Summary{{{"hideDesktop", true},
                 {"hideWidgets", true},
                 {"autoHideDock", true},
                 {"stageManager", true},
                 {"darkMode", true},
                 {"keepAwake", true}},
                "Hide Desktop · Hide Widgets · Auto Hide Dock · Stage Manager · Dark Mode · Keep "
                "Awake"}));

// Answers every look-up with what it was asked, so a test sees which key and note were used.
class EchoTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char* note,
                      int) const override {
        return QStringLiteral("%1|%2|%3").arg(context, source, note ? note : "");
    }
    bool isEmpty() const override { return false; }
};

class Translated : public ::testing::Test {
protected:
    void SetUp() override { QCoreApplication::installTranslator(&translator_); }
    void TearDown() override { QCoreApplication::removeTranslator(&translator_); }
    EchoTranslator translator_;
};

TEST_F(Translated, SummaryUsesTheShortLabelsAndTheEmptyKey) {
    EXPECT_EQ(sceneSummary(sceneWith({{"darkMode", true}, {"keepAwake", false}})),
              "Swivlo|Dark Mode|Short label for Dark Mode feature in scene summary · "
              "Swivlo|Keep Awake|Short label for Keep Awake feature in scene summary");
    EXPECT_EQ(sceneSummary(sceneWith({})),
              "Swivlo|feature_summary_empty|Shown when a scene has no features configured");
}

TEST_F(Translated, PresetNamesAndDescriptionsAreLookedUp) {
    const auto presets = presetScenes();
    ASSERT_FALSE(presets.empty());
    EXPECT_EQ(presets[0].scene.name, "Swivlo|Focus|");
    EXPECT_EQ(presets[0].description, "Swivlo|Minimize distractions for deep work|");
}

TEST(ScenePresets, AddingOneTwiceGivesTwoIndependentScenes) {
    Scene preset = presetScenes()[3].scene;
    preset.isActive = true;
    const Scene first = sceneFromPreset(preset);
    const Scene second = sceneFromPreset(preset);
    EXPECT_NE(first.id, second.id);
    EXPECT_NE(first.id, preset.id);
    EXPECT_FALSE(first.isActive);
    Scene same = first;
    same.id = preset.id;
    same.isActive = true;
    EXPECT_EQ(same, preset);
}

}  // namespace
}  // namespace swivlo
