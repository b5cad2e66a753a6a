#include <gtest/gtest.h>

#include "scenes/SceneFeature.h"

namespace swivlo {
namespace {

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
