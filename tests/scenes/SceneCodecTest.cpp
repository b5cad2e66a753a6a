#include <gtest/gtest.h>

#include "scenes/SceneCodec.h"

namespace swivlo {
namespace {

const char* const kId = "E621E1F8-C36C-495A-93FC-0C247A3E6E5F";

Scene focusScene() {
    return Scene{
        *parseSceneId(kId), "Focus", "brain.head.profile",
        "purple",           true,    SceneFeatures{{"keepAwake", false}, {"hideDesktop", true}}};
}

// A valid object with one member replaced (or removed when `value` is null).
std::string sceneObject(const std::string& replacedMember = "", const char* value = nullptr) {
    const std::pair<std::string, std::string> members[] = {
        {"id", std::string("\"") + kId + "\""},
        {"name", "\"n\""},
        {"icon", "\"i\""},
        {"color", "\"blue\""},
        {"isActive", "false"},
        {"features", "{\"darkMode\":true}"},
    };
    std::string text = "{";
    for (const auto& [name, json] : members) {
        if (name == replacedMember && !value) {
            continue;
        }
        if (text.size() > 1) {
            text += ",";
        }
        text += "\"" + name + "\":" + (name == replacedMember ? std::string(value) : json);
    }
    return text + "}";
}

TEST(SceneCodec, WritesCompactMembersInOrderWithUpperCaseId) {
    EXPECT_EQ(encodeScenes({focusScene()}),
              std::string("[{\"id\":\"E621E1F8-C36C-495A-93FC-0C247A3E6E5F\",\"name\":\"Focus\","
                          "\"icon\":\"brain.head.profile\",\"color\":\"purple\",\"isActive\":true,"
                          "\"features\":{\"hideDesktop\":true,\"keepAwake\":false}}]"));
}

TEST(SceneCodec, AcceptsAnyMemberOrderUnknownMembersAndALowerCaseId) {
    const std::string text =
        "[{\"features\":{\"hideWidgets\":false,\"fromLaterVersion\":true},\"isActive\":true,"
        "\"extra\":[1,{\"x\":null}],\"color\":\"custom:1E90FF\",\"icon\":\"tv\",\"name\":\"B\","
        "\"id\":\"e621e1f8-c36c-495a-93fc-0c247a3e6e5f\"}]";
    const auto scenes = decodeScenes(text);
    ASSERT_TRUE(scenes);
    const Scene expected{*parseSceneId(kId),
                         "B",
                         "tv",
                         "custom:1E90FF",
                         true,
                         SceneFeatures{{"hideWidgets", false}, {"fromLaterVersion", true}}};
    EXPECT_EQ(*scenes, std::vector<Scene>{expected});
}

TEST(SceneCodec, ALaterRepeatOfAMemberCountsAndUnknownNestingIsSkipped) {
    const std::string text =
        "[{\"id\":7,\"name\":\"A\",\"icon\":\"\",\"color\":\"\",\"isActive\":false,"
        "\"features\":{\"darkMode\":1,\"darkMode\":true,\"keepAwake\":true},"
        "\"later\":{\"features\":[{\"id\":1}],\"name\":{}},"
        "\"features\":{\"hideDesktop\":[],\"hideDesktop\":false},"
        "\"id\":\"E621E1F8-C36C-495A-93FC-0C247A3E6E5F\"}]";
    const auto scenes = decodeScenes(text);
    ASSERT_TRUE(scenes);
    ASSERT_EQ(scenes->size(), 1u);
    EXPECT_EQ(scenes->front().features, (SceneFeatures{{"hideDesktop", false}}));
    EXPECT_FALSE(decodeScenes("[" + sceneObject("", nullptr).insert(1, "\"isActive\":true,") + "]")
                     ->front()
                     .isActive)
        << "the last isActive counts";
    EXPECT_FALSE(
        decodeScenes("[" + sceneObject().insert(sceneObject().size() - 1, ",\"name\":null") + "]"))
        << "a repeat of the wrong type spoils the member";
}

struct Rejected {
    const char* why;
    std::string text;
};

class SceneCodecRejects : public ::testing::TestWithParam<Rejected> {};

TEST_P(SceneCodecRejects, TheWholeList) {
    EXPECT_FALSE(decodeScenes(GetParam().text)) << GetParam().why << ": " << GetParam().text;
}

std::vector<Rejected> rejectedInputs() {
    const std::string good = sceneObject();
    std::vector<Rejected> cases = {
        {"empty", ""},
        {"not JSON", "not json"},
        {"truncated", "[" + good},
        {"trailing text", "[" + good + "] x"},
        {"object at top level", good},
        {"element not an object", "[" + good + ",[]]"},
        {"second element lacks features", "[" + good + "," + sceneObject("features") + "]"},
        {"isActive a number", "[" + sceneObject("isActive", "1") + "]"},
        {"name a number", "[" + sceneObject("name", "7") + "]"},
        {"features an array", "[" + sceneObject("features", "[]") + "]"},
        {"feature value a number", "[" + sceneObject("features", "{\"darkMode\":1}") + "]"},
        {"id a number", "[" + sceneObject("id", "12") + "]"},
        {"id without hyphens",
         "[" + sceneObject("id", "\"E621E1F8C36C495A93FC0C247A3E6E5F\"") + "]"},
        {"invalid UTF-8 in a name", "[" + sceneObject("name", "\"\xff\"") + "]"},
    };
    for (const char* member : {"id", "name", "icon", "color", "isActive", "features"}) {
        cases.push_back({member, "[" + sceneObject(member) + "]"});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Malformed, SceneCodecRejects, ::testing::ValuesIn(rejectedInputs()));

TEST(SceneCodec, TextsNeedingEscapesSurviveARoundTrip) {
    Scene scene = focusScene();
    scene.name = std::string("q\"b\\s/\n\t\x01\x7f") + std::string(1, '\0') + "é日本😀\u200b";
    scene.icon = "\\u0041";
    scene.features = {{"{]\",:", true}};
    const auto text = encodeScenes({scene, focusScene()});
    ASSERT_TRUE(text);
    EXPECT_EQ(text->find('\n'), std::string::npos) << "not compact";
    EXPECT_EQ(decodeScenes(*text), (std::vector<Scene>{scene, focusScene()})) << *text;
}

}  // namespace
}  // namespace swivlo
