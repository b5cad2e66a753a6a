// A hand-edited preferences file full of values the program cannot use: the owners that read
// each key at start fall back to their defaults, say once which keys they ignored, and leave the
// file as the user wrote it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <set>

#include "HostilePreferences.h"
#include "SimulatedHostFixture.h"
#include "app/AppDelegate.h"
#include "fakes/TestPlatform.h"
#include "panel/StatusContent.h"
#include "platform/Preferences.h"
#include "platform/desktop/SettingsPreferencesStore.h"
#include "scenes/SceneManager.h"
#include "settings/LaunchAtLogin.h"
#include "switches/SwitchCatalogue.h"

namespace swivlo {
namespace {

using testing::FixedContent;
using testing::HostileFile;

// The ids of `lines` that say a preference was ignored, with how often each was named.
std::map<std::string, int> ignoredKeys(const std::vector<std::string>& lines) {
    const std::string prefix = "⚠️ Ignored preference \"";
    std::map<std::string, int> keys;
    for (const auto& line : lines) {
        if (line.starts_with(prefix)) {
            const auto end = line.find('"', prefix.size());
            ++keys[line.substr(prefix.size(), end - prefix.size())];
        }
    }
    return keys;
}

class HostilePreferences : public ::testing::TestWithParam<HostileFile> {
protected:
    HostilePreferences() {
        path = folder.filePath("Swivlo/Swivlo.conf");
        QDir().mkpath(folder.filePath("Swivlo"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(GetParam().contents);
    }

    // What the app does at start, in its order, over the file.
    void start() {
        store = std::make_unique<desktop::SettingsPreferencesStore>(path);
        Service<PreferencesStore>::install(store.get());
        reconcileLaunchAtLogin();
        scenes = std::make_unique<SceneManager>();
        delegate = std::make_unique<AppDelegate>([] { return std::make_unique<FixedContent>(); });
        delegate->applicationDidFinishLaunching();
        StatusContent::readStoredValues();
        content = std::make_unique<StatusContent>(*scenes, StatusContent::Openers{[] {}, [] {}});
        content->loadSwitchStates();
    }

    testing::TestPlatform platform;
    testing::SimulatedHostFixture host;
    QTemporaryDir folder;
    QString path;
    std::unique_ptr<desktop::SettingsPreferencesStore> store;
    std::unique_ptr<SceneManager> scenes;
    std::unique_ptr<AppDelegate> delegate;
    std::unique_ptr<StatusContent> content;
};

TEST_P(HostilePreferences, StartsWithSaneValuesListsEachItemOnceAndLogsEachIgnoredKeyOnce) {
    start();
    const auto& expected = GetParam().ignoredKeys;
    std::map<std::string, int> once;
    for (const auto& key : expected) {
        once[key] = 1;
    }
    EXPECT_EQ(ignoredKeys(host.log.lines), once);

    // The panel lists every item at most once.
    std::vector<std::string> ids;
    for (const Row& row : content->visibleRows()) {
        ids.push_back(row.id.toStdString());
    }
    EXPECT_GE(ids.size(), 7u);
    EXPECT_EQ(std::set<std::string>(ids.begin(), ids.end()).size(), ids.size());
    for (const auto& id : ids) {
        EXPECT_NE(SwitchCatalogue::byPanelId(id), nullptr) << id;
    }
    EXPECT_TRUE(scenes->scenes().empty());
    if (std::string(GetParam().name) == "AOneMegabyteOrderString") {
        EXPECT_EQ(ids.front(), "keep_awake") << "its one known id still comes first";
    }
    if (!GetParam().ignoredKeys.empty()) {
        EXPECT_FALSE(StatusContent::autoClosePanel());
    }

    // Later reads of the same values (every panel draw, every preferences change) stay quiet.
    for (int i = 0; i < 3; ++i) {
        content->visibleRows();
        StatusContent::autoClosePanel();
        Preferences::hotkeyKeyDisplayString();
    }
    store->setBool(PreferencesKey::autoClosePanel, false);
    store->removeObject(PreferencesKey::autoClosePanel);
    auto later = ignoredKeys(host.log.lines);
    later.erase(PreferencesKey::hotkeyKeyDisplayString);  // read first by the settings window
    EXPECT_EQ(later, once);
}

INSTANTIATE_TEST_SUITE_P(Files, HostilePreferences,
                         ::testing::ValuesIn(testing::hostilePreferenceFiles()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace swivlo
