// A capability the host lacks: the panel leaves its row out, the General tab lists it disabled
// with the host's reason, the command line refuses it saying why, and a scene skips it with one
// log line.
#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>

#include "app/ControlCommands.h"
#include "fakes/FakeHost.h"
#include "fakes/RecordingLog.h"
#include "fakes/TestPlatform.h"
#include "panel/StatusContent.h"
#include "scenes/SceneManager.h"
#include "settings/GeneralSettingsView.h"
#include "settings/SwitchRow.h"
#include "switches/SwitchCatalogue.h"
#include "ui/SwitchControl.h"

namespace swivlo {
namespace {

const QString reason = QStringLiteral("Not on this desktop");

class UnavailableSwitch : public ::testing::TestWithParam<const Switch*> {
protected:
    testing::TestPlatform platform;
    testing::RecordingLog log;
    testing::FakeHost host;
    void SetUp() override { host.lacks(*GetParam()->capability, reason); }
};

TEST_P(UnavailableSwitch, IsLeftOutOfThePanelListedDisabledAndSkippedByScenes) {
    const Switch& missing = *GetParam();
    const QString id = QString::fromUtf8(missing.panelId.data(), qsizetype(missing.panelId.size()));

    SceneManager scenes;
    StatusContent content(scenes, {});
    const auto rows = content.visibleRows();
    EXPECT_EQ(rows.size(), SwitchCatalogue::all().size() - 1);
    EXPECT_TRUE(std::ranges::none_of(rows, [&](const Row& row) { return row.id == id; }));

    GeneralSettingsView general;
    general.show();
    int listed = 0;
    for (auto* row : general.findChildren<settings::SwitchRow*>()) {
        const bool isMissing = row->objectName() == id;
        listed += isMissing;
        EXPECT_EQ(row->switchControl()->isEnabled(), !isMissing) << row->objectName().toStdString();
        EXPECT_EQ(row->toolTip(), isMissing ? reason : QString());
        EXPECT_EQ(row->switchControl()->accessibleDescription(), isMissing ? reason : QString());
    }
    EXPECT_EQ(listed, 1);

    ControlCommands commands(scenes, {});
    for (const auto command : {control::Command::on, control::Command::toggle}) {
        const QJsonObject reply =
            QJsonDocument::fromJson(commands.handle(control::encode({command, id, false, {}})))
                .object();
        EXPECT_FALSE(reply["ok"].toBool());
        EXPECT_TRUE(reply["error"].toString().endsWith("is not available: " + reason));
    }
    EXPECT_TRUE(host.changes.empty());

    Scene scene{QUuid::createUuid(), "Focus", "tv", "blue", false, {}};
    for (const Switch& entry : SwitchCatalogue::all()) {
        if (!entry.featureId.empty()) {
            scene.features[std::string(entry.featureId)] = true;
        }
    }
    scenes.activateScene(scene);
    for (const std::string& change : host.changes) {
        EXPECT_EQ(change.rfind(testing::FakeHost::nameOf(*missing.capability), 0),
                  std::string::npos)
            << change;
    }
    EXPECT_EQ(host.changes.size(), missing.featureId.empty() ? 6u : 5u)
        << "every other feature set";
    const std::vector<std::string> skipped = {
        "⚠️ Scene Focus: skipped " + std::string(missing.title) + ": " + reason.toStdString()};
    EXPECT_EQ(log.lines, missing.featureId.empty() ? std::vector<std::string>{} : skipped);
}

std::vector<const Switch*> hostSwitches() {
    std::vector<const Switch*> found;
    for (const Switch& entry : SwitchCatalogue::all()) {
        if (entry.capability) {
            found.push_back(&entry);
        }
    }
    return found;
}

INSTANTIATE_TEST_SUITE_P(EveryHostSwitch, UnavailableSwitch, ::testing::ValuesIn(hostSwitches()),
                         [](const auto& info) { return std::string(info.param->panelId); });

}  // namespace
}  // namespace swivlo
