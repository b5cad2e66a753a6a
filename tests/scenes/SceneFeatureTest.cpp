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

struct PresetRow {
    const char* name;
    const char* icon;
    const char* color;
    SceneFeatures features;
    const char* description;
};

TEST(ScenePresets, AreTheFiveDocumentedScenes) {
    const PresetRow expected[] = {
        {"Focus",
         "brain.head.profile",
         "purple",
         {{"hideDesktop", true},
          {"hideWidgets", true},
          {"autoHideDock", true},
          {"keepAwake", true}},
         "Minimize distractions for deep work"},
        {"Recording",
         "record.circle",
         "red",
         {{"hideDesktop", true},
          {"hideWidgets", true},
          {"autoHideDock", true},
          {"stageManager", false},
          {"keepAwake", true}},
         "Clean screen for recording videos"},
        {"Presentation",
         "tv",
         "blue",
         {{"hideDesktop", true},
          {"hideWidgets", true},
          {"autoHideDock", true},
          {"stageManager", false},
          {"darkMode", false},
          {"keepAwake", true}},
         "Perfect for screen sharing and demos"},
        {"Cinema",
         "film",
         "indigo",
         {{"hideDesktop", true},
          {"hideWidgets", true},
          {"autoHideDock", true},
          {"darkMode", true},
          {"keepAwake", true}},
         "Immersive viewing experience"},
        {"Reading",
         "book.fill",
         "orange",
         {{"hideDesktop", true}, {"hideWidgets", true}, {"darkMode", true}, {"keepAwake", true}},
         "Comfortable for long reading sessions"},
    };
    const auto presets = presetScenes();
    ASSERT_EQ(presets.size(), std::size(expected));
    QSet<QUuid> ids;
    for (std::size_t i = 0; i < presets.size(); ++i) {
        const Scene& scene = presets[i].scene;
        EXPECT_EQ(scene.name, expected[i].name);
        EXPECT_EQ(scene.icon, expected[i].icon);
        EXPECT_EQ(scene.color, expected[i].color);
        EXPECT_EQ(scene.features, expected[i].features) << scene.name;
        EXPECT_EQ(presets[i].description, expected[i].description);
        EXPECT_FALSE(scene.isActive);
        EXPECT_FALSE(scene.id.isNull());
        ids.insert(scene.id);
    }
    EXPECT_EQ(ids.size(), 5);
    EXPECT_NE(presetScenes()[0].scene.id, presets[0].scene.id) << "fresh ids on every build";
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
