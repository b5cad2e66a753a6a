// For random scenes, random stored preferences and random panel actions, every text that reaches
// the host's shell or script runner is one of the program's fixed texts: nothing a user typed or
// a file held is ever run.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "SimulatedHostFixture.h"
#include "core/PreferencesKeys.h"
#include "fakes/TestPlatform.h"
#include "panel/StatusContent.h"
#include "platform/host/HostTexts.h"
#include "scenes/SceneCodec.h"
#include "scenes/SceneFeature.h"
#include "scenes/SceneManager.h"

namespace swivlo {
namespace {

namespace T = HostTexts;
namespace K = PreferencesKey;

// Every command and script the program can send.
std::set<std::string> fixedTexts() {
    std::set<std::string> texts = {
        T::finderRestart,    T::windowManagerRestart, T::desktopRead,      T::widgetsRead,
        T::stageManagerRead, T::dockReadingScript,    T::hideWindowsScript};
    for (const bool on : {false, true}) {
        texts.insert({T::desktopWrite(on), T::widgetsWrite(on), T::stageManagerWrite(on),
                      T::dockScript(on), T::appearanceScript(on)});
    }
    return texts;
}

// Texts a user or a hand-edited file could supply, each carrying a marker that must never show
// up in a command or a script.
const std::vector<std::string> hostileTexts = {
    "MARK; rm -rf ~",
    "MARK$(reboot)",
    "`MARK`",
    "MARK\" & do shell script \"id",
    "keep_awake,MARK'\n killall Dock",
    "hideDesktop\nMARK",
    "MARK\xff\xfe",
    "",
};

class Random {
public:
    explicit Random(unsigned seed) : engine_(seed) {}
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }
    bool coin() { return below(2) == 1; }
    template <class T>
    const T& pick(const std::vector<T>& from) {
        return from[static_cast<std::size_t>(below(static_cast<int>(from.size())))];
    }

private:
    std::mt19937 engine_;
};

Scene randomScene(Random& random) {
    Scene scene{QUuid::createUuid(),       random.pick(hostileTexts),
                random.pick(hostileTexts), random.coin() ? "blue" : random.pick(hostileTexts),
                random.below(4) == 0,      {}};
    std::vector<std::string> ids = {"hideDesktop",  "hideWidgets", "autoHideDock",
                                    "stageManager", "darkMode",    "keepAwake"};
    ids.insert(ids.end(), hostileTexts.begin(), hostileTexts.end());
    for (int n = random.below(5); n > 0; --n) {
        scene.features[random.pick(ids)] = random.coin();
    }
    return scene;
}

QVariant randomValue(Random& random) {
    const QString text = QString::fromStdString(random.pick(hostileTexts));
    const std::vector<QVariant> values = {QVariant(random.coin()),
                                          QVariant(qint64(random.below(200000)) - 100000),
                                          QVariant(text),
                                          QVariant(text.toUtf8()),
                                          QVariant(QStringList{"keep_awake", text}),
                                          QVariant(QString("dark_mode,keep_awake,hide_desktop"))};
    return random.pick(values);
}

void storeRandomPreferences(Random& random, PreferencesStore& store) {
    for (const std::string* key : K::all) {
        // Scenes are stored below, as a list that can be read.
        if (key != &K::swivloScenes && random.coin()) {
            store.setObject(*key, randomValue(random));
        }
    }
    std::vector<Scene> scenes;
    for (int n = random.below(4); n > 0; --n) {
        scenes.push_back(randomScene(random));
    }
    if (const auto encoded = encodeScenes(scenes); encoded && random.below(4) != 0) {
        store.setData(K::swivloScenes, QByteArray::fromStdString(*encoded));
    } else if (random.coin()) {
        store.setObject(K::swivloScenes, randomValue(random));
    }
}

// One random thing a user does in the panel: a row's switch or button, or a scene row.
void randomAction(Random& random, StatusContent& content, SceneManager& scenes) {
    if (random.below(4) == 0) {
        const auto rows = content.sceneRows();
        if (!rows.empty()) {
            const Row& row = rows[static_cast<std::size_t>(random.below(int(rows.size())))];
            row.control.asToggle()->set(random.coin());
            return;
        }
    }
    if (random.below(8) == 0) {
        scenes.addOrUpdateScene(randomScene(random));
        return;
    }
    const auto rows = content.visibleRows();
    if (rows.empty()) {
        return;
    }
    const Row& row = rows[static_cast<std::size_t>(random.below(int(rows.size())))];
    if (row.id == "screen_cleaner") {
        return;  // covers the screens; its own tests drive it
    }
    if (const auto* toggle = row.control.asToggle()) {
        toggle->set(random.coin());
    } else if (const auto* button = row.control.asButton()) {
        button->action();
    }
}

TEST(HostTextsProperty, OnlyFixedTextsReachTheShellAndTheScriptRunner) {
    const auto fixed = fixedTexts();
    std::set<std::string> seen;  // so the property is not met by sending nothing
    for (unsigned seed = 1; seed <= 150; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Random random(seed);
        testing::TestPlatform platform;
        testing::SimulatedHostFixture host;
        host.host.setAutomationPermitted(random.below(5) != 0);
        storeRandomPreferences(random, platform.preferences);

        SceneManager sceneManager;
        StatusContent content(sceneManager, {[] {}, [] {}});
        content.loadSwitchStates();
        for (int step = random.below(25); step > 0; --step) {
            randomAction(random, content, sceneManager);
            platform.mainQueue.advance(random.coin() ? 0.2 : 3.0);
            if (random.below(10) == 0) {
                content.loadSwitchStates();
            }
        }

        for (const auto& sent : host.commands()) {
            seen.insert(sent);
            EXPECT_TRUE(fixed.count(sent)) << sent;
        }
        for (const auto& sent : host.scripts()) {
            seen.insert(sent);
            EXPECT_TRUE(fixed.count(sent)) << sent;
        }
        for (const auto& event : host.timeline()) {
            EXPECT_EQ(event.find("MARK"), std::string::npos) << event;
            if (event.starts_with("launch: ")) {
                EXPECT_EQ(event, "launch: /usr/bin/caffeinate -d -i -s -u");
            }
        }
    }
    // Random actions reach most fixed texts over all seeds.
    EXPECT_GE(seen.size(), fixed.size() * 3 / 4);
}

}  // namespace
}  // namespace swivlo
