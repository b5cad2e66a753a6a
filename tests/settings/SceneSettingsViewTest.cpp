#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include "SettingsFixture.h"
#include "platform/host/HostTexts.h"
#include "scenes/SceneColor.h"
#include "scenes/SceneManager.h"
#include "settings/SceneRows.h"
#include "settings/SceneSettingsView.h"
#include "settings/SettingsStyle.h"
#include "ui/Appearance.h"
#include "ui/SwitchControl.h"

namespace swivlo {
namespace {

using testing::SettingsTest;

Scene sceneNamed(const std::string& name, bool active, SceneFeatures features = {}) {
    return Scene{QUuid::createUuid(), name, "film", "red", active, std::move(features)};
}

class SceneTabTest : public SettingsTest {
protected:
    std::vector<SceneRow*> rows() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const auto found = view.findChildren<SceneRow*>();
        return {found.begin(), found.end()};
    }

    SceneManager manager;
    std::vector<Scene> edited;
    int creates = 0;
    SceneSettingsView view{manager, [this] { ++creates; },
                           [this](const Scene& scene) { edited.push_back(scene); }};
};

TEST_F(SceneTabTest, APresetAddedTwiceGivesTwoScenesInPlaceOfTheEmptyState) {
    EXPECT_TRUE(rows().empty());
    EXPECT_NE(view.findChild<QWidget*>(QStringLiteral("EmptyState")), nullptr);
    EXPECT_TRUE(view.isBreathing());
    view.addPreset(0);
    view.addPreset(0);
    ASSERT_EQ(manager.scenes().size(), 2u);
    EXPECT_EQ(manager.scenes()[0].name, manager.scenes()[1].name);
    EXPECT_NE(manager.scenes()[0].id, manager.scenes()[1].id);
    EXPECT_NE(manager.scenes()[0].id, view.presetScenes()[0].scene.id);
    EXPECT_FALSE(manager.scenes()[1].isActive);
    EXPECT_EQ(rows().size(), 2u);
    EXPECT_EQ(view.findChild<QWidget*>(QStringLiteral("EmptyState")), nullptr);
    EXPECT_FALSE(view.findChildren<PresetSceneRow*>().isEmpty());
}

TEST_F(SceneTabTest, TheOffSwitchTargetsTheFirstActiveScene) {
    manager.addOrUpdateScene(sceneNamed("First", true, {{"hideWidgets", true}}));
    manager.addOrUpdateScene(sceneNamed("Second", true));
    host.clearHistory();
    const auto before = rows();
    ASSERT_EQ(before.size(), 2u);
    before[1]->activeSwitch()->setChecked(false);  // the second row's switch
    EXPECT_FALSE(manager.scenes()[0].isActive);
    EXPECT_TRUE(manager.scenes()[1].isActive);
    // The first scene's feature was reverted on the host.
    EXPECT_EQ(host.commands(),
              (std::vector<std::string>{std::string(HostTexts::widgetsWrite(false)),
                                        std::string(HostTexts::windowManagerRestart)}));
}

TEST_F(SceneTabTest, DeletingTheActiveSceneLeavesTheSwitches) {
    manager.addOrUpdateScene(sceneNamed("Active", true, {{"darkMode", true}}));
    host.clearHistory();
    rows().at(0)->remove();
    EXPECT_TRUE(manager.scenes().empty());
    EXPECT_TRUE(host.timeline().empty());
    EXPECT_TRUE(rows().empty());
}

TEST_F(SceneTabTest, ClickingARowEditsItButClickingItsSwitchDoesNot) {
    manager.addOrUpdateScene(sceneNamed("Evening", false));
    SceneRow* row = rows().at(0);
    row->resize(400, 50);
    QTest::mouseClick(row, Qt::LeftButton, {}, QPoint(60, 20));
    ASSERT_EQ(edited.size(), 1u);
    EXPECT_EQ(edited[0].name, "Evening");
    QTest::mouseClick(row->activeSwitch(), Qt::LeftButton);
    EXPECT_EQ(edited.size(), 1u);
}

TEST_F(SceneTabTest, ANameThatLooksLikeMarkupIsShownAsTyped) {
    // A large picture on disk: markup would load it.
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("big.svg"));
    QFile file(picture);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"(<svg xmlns="http://www.w3.org/2000/svg" width="400" height="400">)"
               R"(<rect width="400" height="400" fill="red"/></svg>)");
    file.close();
    const std::string name =
        "<img src=\"" + picture.toStdString() + "\"><font color=red>Evening</font>";
    manager.addOrUpdateScene(sceneNamed(name, false));

    SceneRow* row = rows().at(0);
    EXPECT_LT(row->sizeHint().height(), 100) << "the picture was loaded";
    bool shown = false;
    for (const QLabel* label : row->findChildren<QLabel*>()) {
        shown = shown || label->text().toStdString() == name;
    }
    EXPECT_TRUE(shown);
}

TEST_F(SceneTabTest, TheRowIconTakesTheSceneColourOfTheCurrentAppearance) {
    for (const bool dark : {false, true}) {
        Appearance::shared().setColorScheme(dark ? ColorScheme::dark : ColorScheme::light);
        manager.addOrUpdateScene(sceneNamed(dark ? "Night" : "Day", false));
        const auto* icon = rows().back()->findChild<settings::SymbolView*>();
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(icon->color(), resolveSceneColor("red", dark)) << dark;
    }
    Appearance::shared().setColorScheme(ColorScheme::light);
}

}  // namespace
}  // namespace swivlo
