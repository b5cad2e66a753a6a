#include <gtest/gtest.h>

#include <QSet>

#include "scenes/SceneFeature.h"

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
    ::testing::Values(Summary{{}, "feature_summary_empty"},
                      Summary{{{"fromLaterVersion", true}}, "feature_summary_empty"},
                      Summary{{{"keepAwake", true}, {"autoHideDock", false}, {"hideDesktop", true}},
                              "Hide Desktop · Auto Hide Dock · Keep Awake"},
                      Summary{{{"zzz", true}, {"stageManager", false}}, "Stage Manager"}));

}  // namespace
}  // namespace swivlo
