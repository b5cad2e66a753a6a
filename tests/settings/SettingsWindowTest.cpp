#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSysInfo>
#include <QTest>

#include "SettingsFixture.h"
#include "scenes/SceneManager.h"
#include "scenes/ScenePresets.h"
#include "settings/AboutView.h"
#include "settings/Acknowledgements.h"
#include "settings/EditorButtons.h"
#include "settings/GeneralSettingsView.h"
#include "settings/MessageArea.h"
#include "settings/SceneEditorView.h"
#include "settings/SceneSettingsView.h"
#include "settings/SettingsView.h"
#include "settings/SettingsWindowController.h"
#include "ui/Appearance.h"

namespace swivlo {
namespace {

using testing::SettingsTest;

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int settingsWindowCount() {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        count += w->objectName() == QStringLiteral("SettingsWindow") ? 1 : 0;
    }
    return count;
}

class SettingsWindowTest : public SettingsTest {
protected:
    ~SettingsWindowTest() override {
        controller.reset();
        flushDeletes();
    }
    SettingsView* view() { return controller->settingsView(); }

    SceneManager manager;
    std::unique_ptr<SettingsWindowController> controller =
        std::make_unique<SettingsWindowController>(&manager);
};

// One window at a time; it keeps its tab while open and starts on General again once closed.
TEST_F(SettingsWindowTest, ShowingKeepsOneWindowAndItsTabUntilClosed) {
    controller->showSettings();
    QWidget* first = controller->window();
    ASSERT_NE(first, nullptr);
    QListWidget* sidebar = view()->sidebar();
    ASSERT_EQ(sidebar->count(), 3);
    sidebar->setCurrentRow(1);
    EXPECT_NE(qobject_cast<SceneSettingsView*>(view()->detailView()), nullptr);
    sidebar->setCurrentRow(2);
    EXPECT_NE(qobject_cast<AboutView*>(view()->detailView()), nullptr);
    controller->showSettings();
    EXPECT_EQ(controller->window(), first);
    EXPECT_EQ(view()->selectedTab(), SettingsTab::about);
    EXPECT_EQ(settingsWindowCount(), 1);
    EXPECT_EQ(platform.log.count("app.activate"), 2);

    controller->window()->close();
    EXPECT_EQ(controller->window(), nullptr);
    flushDeletes();
    EXPECT_EQ(settingsWindowCount(), 0);
    controller->showSettings();
    EXPECT_EQ(view()->selectedTab(), SettingsTab::general);
    EXPECT_NE(qobject_cast<GeneralSettingsView*>(view()->detailView()), nullptr);
}

// Every tab's content starts at the window's top while no message shows, and below the message
// while one does.
TEST_F(SettingsWindowTest, TabsStartAtTheTopUnlessAMessageShows) {
    controller->showSettings();
    for (const SettingsTab tab : allSettingsTabs) {
        SCOPED_TRACE(static_cast<int>(tab));
        view()->setSelectedTab(tab);
        const auto contentTop = [this] {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            return view()->detailView()->mapTo(view(), QPoint(0, 0)).y();
        };
        EXPECT_EQ(contentTop(), 0);
        view()->messages().post(QStringLiteral("Swivlo.conf is read-only."));
        ASSERT_TRUE(view()->messageArea()->isVisible());
        EXPECT_EQ(contentTop(), view()->messageArea()->mapTo(view(), QPoint(0, 0)).y() +
                                    view()->messageArea()->height());
        EXPECT_GT(view()->messageArea()->mapTo(view(), QPoint(0, 0)).y(), 0);
        view()->messages().dismiss();
        EXPECT_EQ(contentTop(), 0);
    }
}

// A scene whose icon and colour are not among those the editor offers.
Scene eveningScene() {
    return Scene{QUuid::createUuid(), "Evening", "tv", "indigo", false, {}};
}

TEST_F(SettingsWindowTest, AddSceneOpensAnEmptySheetAndCancelClosesIt) {
    controller->showSettings();
    view()->setSelectedTab(SettingsTab::scene);
    view()->findChild<QPushButton*>(QStringLiteral("AddScene"))->click();
    ASSERT_TRUE(view()->sceneEditorTarget());
    EXPECT_TRUE(view()->sceneEditorTarget()->isCreate());
    ASSERT_NE(view()->sceneEditor(), nullptr);
    EXPECT_FALSE(view()->sceneEditor()->model().scene());
    view()->sceneEditor()->cancelButton()->click();
    flushDeletes();
    EXPECT_FALSE(view()->sceneEditorTarget());
    EXPECT_EQ(view()->sheet(), nullptr);
    EXPECT_EQ(view()->selectedTab(), SettingsTab::scene);
}

TEST_F(SettingsWindowTest, EditorShowsTheCustomIconAndSwatchAndSaveFollowsTheName) {
    const Scene scene = eveningScene();
    SceneEditorView editor(manager, scene);
    EXPECT_TRUE(editor.customIconButton()->isSelected());
    EXPECT_EQ(editor.customIconButton()->icon(), QStringLiteral("tv"));
    for (const auto* button : editor.iconButtons()) {
        EXPECT_FALSE(button->isSelected());
    }
    EXPECT_TRUE(editor.customColorButton()->isSelected());
    for (const auto* button : editor.colorButtons()) {
        EXPECT_FALSE(button->isSelected());
    }
    editor.nameField()->clear();
    EXPECT_FALSE(editor.saveButton()->isEnabled());
    QTest::keyClicks(editor.nameField(), "N");
    EXPECT_TRUE(editor.saveButton()->isEnabled());
    editor.saveButton()->click();
    ASSERT_EQ(manager.scenes().size(), 1u);
    EXPECT_EQ(manager.scenes()[0].name, "N");
    EXPECT_EQ(manager.scenes()[0].color, "indigo");
    EXPECT_EQ(manager.scenes()[0].icon, "tv");
}

// The panel flips the scene while its editor is open; Save must not bring back the old state.
TEST_F(SettingsWindowTest, SaveKeepsTheOnOffStateTheSceneHasNow) {
    for (const bool activeWhenOpened : {true, false}) {
        manager.addOrUpdateScene(sceneFromPreset(presetScenes().front().scene));
        const QUuid id = manager.scenes().back().id;
        if (activeWhenOpened) {
            manager.activateScene(*manager.findScene(id));
        }
        SceneEditorView editor(manager, *manager.findScene(id));
        if (activeWhenOpened) {
            manager.deactivateScene(*manager.findScene(id));
        } else {
            manager.activateScene(*manager.findScene(id));
        }
        editor.saveButton()->click();
        EXPECT_EQ(manager.findScene(id)->isActive, !activeWhenOpened) << activeWhenOpened;
        manager.deleteScene(id);
    }
}

TEST_F(SettingsWindowTest, TheCustomSwatchStartsFromItsColourAsTheAppearanceDrawsIt) {
    Scene green = eveningScene();
    green.color = "green";
    // A new scene's swatch starts purple, an edited one from the scene's named colour: either
    // way the same colour as that colour's own swatch beside it.
    for (const bool dark : {false, true}) {
        Appearance::shared().setColorScheme(dark ? ColorScheme::dark : ColorScheme::light);
        for (const std::optional<Scene>& scene : {std::optional<Scene>(), std::optional(green)}) {
            SceneEditorView editor(manager, scene);
            const auto& offered = SceneEditorModel::offeredColors();
            const auto named = std::find(offered.begin(), offered.end(),
                                         scene ? scene->color : std::string("purple"));
            ASSERT_NE(named, offered.end());
            EXPECT_EQ(editor.customColorButton()->fill(),
                      editor.colorButtons()[named - offered.begin()]->fill())
                << dark << *named;
        }
    }
    Appearance::shared().setColorScheme(ColorScheme::light);
}

// About says what the program is on the system it runs on, and a button that cannot work here
// says why, in plain sight and to a screen reader.
TEST_F(SettingsTest, AboutFitsTheSystemAndSaysWhyUpdatesAreOff) {
    AboutView about(std::make_unique<UnavailableUpdater>());
    const QString description = about.findChild<QLabel*>(QStringLiteral("description"))->text();
    EXPECT_EQ(description.contains(QStringLiteral("macOS")), QSysInfo::kernelType() == "darwin")
        << description.toStdString();

    const QString reason = about.updateButton()->toolTip();
    EXPECT_FALSE(about.updateButton()->isEnabled());
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_EQ(about.updateButton()->accessibleDescription(), reason);
    const auto* caption = about.findChild<QLabel*>(QStringLiteral("updateUnavailable"));
    EXPECT_EQ(caption->text(), reason);
    EXPECT_TRUE(caption->isVisibleTo(&about));
}

// The licence of the symbol artwork travels inside the program and opens from About.
TEST_F(SettingsTest, AboutOpensTheLicenceOfTheShippedArtwork) {
    AboutView about(std::make_unique<UnavailableUpdater>());
    about.resize(600, 700);
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    QLabel* link = nullptr;
    for (QLabel* label : about.findChildren<QLabel*>()) {
        if (label->accessibleName() == QStringLiteral("Acknowledgements")) {
            link = label;
        }
    }
    ASSERT_NE(link, nullptr);
    QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
    ASSERT_NE(about.acknowledgements(), nullptr);
    EXPECT_TRUE(about.acknowledgements()->isVisible());

    QFile file(QStringLiteral(SWIVLO_SOURCE_DIR "/resources/symbols/LICENSE"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString shipped = QString::fromUtf8(file.readAll());
    const QString shown = about.acknowledgements()->licenceText()->toPlainText();
    EXPECT_TRUE(shown == QString(shipped).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

}  // namespace
}  // namespace swivlo
