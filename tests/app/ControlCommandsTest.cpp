// The running Swivlo's side of the command line, on the simulated host.
#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>

#include "SimulatedHostFixture.h"
#include "app/ControlCommands.h"
#include "fakes/TestPlatform.h"
#include "scenes/SceneManager.h"
#include "switches/KeepAwakeTimer.h"
#include "switches/SystemTools.h"

namespace swivlo {
namespace {

struct Case {
    const char* name;
    const char* request;
    // The reply's "ok", and words its message or error holds.
    bool ok;
    const char* says;
    // Dark Mode and Keep Awake as read afterwards.
    bool darkMode = false;
    bool keepAwake = false;
    std::function<void(testing::SimulatedHostFixture&, SceneManager&)> prepare = {};
};

class ControlCommandsTest : public ::testing::TestWithParam<Case> {
protected:
    void TearDown() override { KeepAwakeTimer::shared().cancel(); }

    testing::TestPlatform platform;
    testing::SimulatedHostFixture host;
    SceneManager scenes;
    int opened = 0;
    int told = 0;
    // Whether the panel is open; nothing: there is no tray icon.
    std::optional<bool> panel = false;
    ControlCommands commands{
        scenes,
        {[this] { return ++opened > 0; }, [this] { ++opened; }, nullptr, [this] { ++told; },
         [this]() -> std::optional<bool> {
             if (panel) {
                 panel = !*panel;
             }
             return panel;
         }}};
};

// What a desktop's own shortcut runs: each run flips the panel and says which way.
TEST_F(ControlCommandsTest, TogglePanelOpensAndClosesThePanelAndSaysWhich) {
    auto said = [this] {
        const QJsonObject reply =
            QJsonDocument::fromJson(commands.handle(R"({"v":1,"command":"toggle-panel"})"))
                .object();
        return reply.value(reply.value("ok").toBool() ? "message" : "error").toString();
    };
    EXPECT_EQ(said(), QStringLiteral("The panel is open."));
    EXPECT_EQ(said(), QStringLiteral("The panel is closed."));
    panel.reset();
    EXPECT_EQ(said(), QStringLiteral("there is no tray icon to open it from"));
}

TEST_P(ControlCommandsTest, AnswersAndChangesOnlyWhatWasAsked) {
    const Case& c = GetParam();
    Scene focus{QUuid::createUuid(), "Focus", "moon.fill", "purple", false, {{"darkMode", true}}};
    scenes.addOrUpdateScene(focus);
    if (c.prepare) {
        c.prepare(host, scenes);
    }
    host.clearHistory();
    QByteArray line(c.request);
    line.replace("FOCUS_ID", QByteArray::fromStdString(sceneIdString(focus.id)));

    const QJsonObject reply = QJsonDocument::fromJson(commands.handle(line)).object();
    EXPECT_EQ(reply.value("v").toInt(), 1);
    EXPECT_EQ(reply.value("ok").toBool(), c.ok) << QJsonDocument(reply).toJson().toStdString();
    const QString words = reply.value(c.ok ? "message" : "error").toString();
    EXPECT_TRUE(words.contains(QString::fromUtf8(c.says))) << words.toStdString();
    if (!c.ok && !c.prepare) {
        EXPECT_TRUE(host.commands().empty() && host.scripts().empty()) << "nothing was run";
    }
    auto states = SystemTools::shared().readStates();
    EXPECT_EQ(states[Capability::darkMode], c.darkMode);
    EXPECT_EQ(states[Capability::keepAwake], c.keepAwake);
    // Anything that is not a request is refused, and says so in the log.
    const bool malformed = !c.ok && words.startsWith("request refused");
    EXPECT_EQ(!host.log.lines.empty() && host.log.lines.front().rfind("❌ Command line", 0) == 0,
              malformed);
    EXPECT_EQ(told, malformed ? 0 : 1) << "an open panel is told after a switch or scene command";
}

INSTANTIATE_TEST_SUITE_P(
    Switches, ControlCommandsTest,
    ::testing::Values(
        Case{"On", R"({"v":1,"command":"on","target":"dark_mode"})", true, "Dark Mode is on.",
             true},
        Case{"Toggle", R"({"v":1,"command":"toggle","target":"dark_mode"})", true,
             "Dark Mode is on.", true},
        Case{"ForATimeOnAnotherSwitch", R"({"v":1,"command":"on","target":"dark_mode","for":60})",
             false, "cannot be turned on for a time"},
        Case{"Off", R"({"v":1,"command":"off","target":"keep_awake"})", true, "is off"},
        Case{"Action", R"({"v":1,"command":"toggle","target":"hide_all_windows"})", true,
             "Hide All Windows: done."},
        Case{"ActionOff", R"({"v":1,"command":"off","target":"hide_all_windows"})", false,
             "only be run"},
        Case{"UnknownId", R"({"v":1,"command":"on","target":"dark"})", false, "no switch"},
        Case{"Refused", R"({"v":1,"command":"on","target":"dark_mode"})", false, "refused", false,
             false,
             [](testing::SimulatedHostFixture& host, SceneManager&) {
                 host.host.setAutomationPermitted(false);
             }},
        Case{"ForATime", R"({"v":1,"command":"on","target":"keep_awake","for":5400})", true,
             "Keep Awake is on, 1 h 30 min left.", false, true},
        Case{"ForTooLong", R"({"v":1,"command":"on","target":"keep_awake","for":86401})", false,
             "longer than 24 h"},
        // The host said done, but nothing keeps the computer awake: not reported as done.
        Case{"DidNotTake", R"({"v":1,"command":"on","target":"keep_awake"})", false,
             "did not turn on", false, false,
             [](testing::SimulatedHostFixture& host, SceneManager&) {
                 host.host.caffeinateAvailable = false;
             }}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Scenes, ControlCommandsTest,
    ::testing::Values(
        Case{"ByName", R"({"v":1,"command":"scene","target":"Focus"})", true,
             "Scene \"Focus\" is on.", true},
        Case{"ById", R"({"v":1,"command":"scene","target":"FOCUS_ID"})", true, "is on", true},
        Case{"OffWhileOff", R"({"v":1,"command":"scene","target":"Focus","off":true})", true,
             "nothing changed"},
        Case{"OffWhileOn", R"({"v":1,"command":"scene","target":"Focus","off":true})", true,
             "Scene \"Focus\" is off.", false, false,
             [](testing::SimulatedHostFixture&, SceneManager& scenes) {
                 scenes.activateScene(scenes.scenes().front());
             }},
        // Which of the two was meant cannot be told: neither is turned on.
        Case{"TwoOfOneName", R"({"v":1,"command":"scene","target":"Focus"})", false,
             "2 scenes are named \"Focus\"", false, false,
             [](testing::SimulatedHostFixture&, SceneManager& scenes) {
                 scenes.addOrUpdateScene(
                     {QUuid::createUuid(), "Focus", "tv", "blue", false, {{"keepAwake", true}}});
             }},
        Case{"Unknown", R"({"v":1,"command":"scene","target":"focus"})", false, "no scene"}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Malformed, ControlCommandsTest,
    ::testing::Values(
        Case{"NotJson", "toggle dark_mode", false, "not a JSON object"},
        Case{"OtherVersion", R"({"v":2,"command":"list"})", false, "version"},
        Case{"UnknownCommand", R"({"v":1,"command":"quit"})", false, "unknown"},
        Case{"NoTarget", R"({"v":1,"command":"on"})", false, "no target"},
        Case{"ExtraMember", R"({"v":1,"command":"list","target":"x"})", false, "unexpected member"},
        Case{"NegativeTime", R"({"v":1,"command":"on","target":"keep_awake","for":-5})", false,
             "not a duration"},
        Case{"NoTime", R"({"v":1,"command":"on","target":"keep_awake","for":0})", false,
             "not a duration"},
        Case{"OffNotABoolean", R"({"v":1,"command":"scene","target":"Focus","off":1})", false,
             "unexpected member"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace swivlo
