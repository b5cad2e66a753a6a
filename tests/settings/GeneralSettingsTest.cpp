#include <gtest/gtest.h>

#include <QApplication>
#include <QDrag>
#include <QFrame>
#include <QLayout>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "SettingsFixture.h"
#include "core/PreferencesKeys.h"
#include "platform/hotkey/GlobalHotkey.h"
#include "settings/GeneralSettings.h"
#include "settings/GeneralSettingsView.h"
#include "settings/LaunchAtLogin.h"
#include "settings/PanelItemsList.h"
#include "shortcut/HotkeyTextField.h"
#include "switches/PanelItems.h"
#include "ui/SwitchControl.h"

namespace swivlo {
namespace {

namespace K = PreferencesKey;
using testing::SettingsTest;

// The built-in order with the item at `from` moved to `to`.
std::vector<std::string> moved(std::size_t from, std::size_t to) {
    std::vector<std::string> ids = {"hide_desktop",  "hide_widgets",     "auto_hide_dock",
                                    "stage_manager", "hide_all_windows", "dark_mode",
                                    "keep_awake",    "screen_cleaner"};
    const std::string id = ids[from];
    ids.erase(ids.begin() + static_cast<std::ptrdiff_t>(from));
    ids.insert(ids.begin() + static_cast<std::ptrdiff_t>(to), id);
    return ids;
}

// Hiding every item is allowed, ids from a later version stay, and showing the last hidden
// item again writes an empty list.
TEST_F(SettingsTest, HidingAndShowingItemsKeepsUnknownIds) {
    GeneralSettings general;
    general.toggleVisibility("keep_awake");
    EXPECT_EQ(stored(K::hiddenSwitchIDs), "keep_awake");
    general.toggleVisibility("keep_awake");
    EXPECT_EQ(stored(K::hiddenSwitchIDs), "");
    EXPECT_TRUE(general.isShown("keep_awake"));

    platform.preferences.setString(K::hiddenSwitchIDs, "from_a_later_version");
    general.reload();
    for (const auto& item : general.orderedSwitches()) {
        general.toggleVisibility(item.id);
    }
    for (const auto& item : general.orderedSwitches()) {
        EXPECT_FALSE(general.isShown(item.id)) << item.id;
    }
    EXPECT_EQ(general.orderedSwitches().size(), 8u);
    EXPECT_NE(stored(K::hiddenSwitchIDs).find("from_a_later_version"), std::string::npos);
}

TEST_F(SettingsTest, ClearingTheShortcutWritesZeroMinusOneAndEmptyEvenWhenEnabled) {
    platform.preferences.setBool(K::hotkeyEnabled, true);
    GeneralSettings::capture(0xC0000, 1, "⌃⌥S");
    GeneralSettings::clear();
    EXPECT_EQ(platform.preferences.integerValue(K::hotkeyModifierFlags), 0);
    EXPECT_EQ(platform.preferences.integerValue(K::hotkeyKeyCode), -1);
    EXPECT_EQ(stored(K::hotkeyKeyDisplayString), "");
    EXPECT_EQ(platform.preferences.boolValue(K::hotkeyEnabled), true);
}

SwitchControl* shortcutSwitch(const QWidget& in) {
    for (SwitchControl* control : in.findChildren<SwitchControl*>()) {
        if (control->accessibleName() == QStringLiteral("Enable global shortcut")) {
            return control;
        }
    }
    return nullptr;
}

// The desktop's answer to binding the shortcut, as a back-end gives it.
class StubHotkey : public GlobalHotkey {
public:
    StubHotkey(QString unavailable, QString problem) : unavailable_(std::move(unavailable)) {
        setProblem(std::move(problem));
        Service<GlobalHotkey>::install(this);
    }
    ~StubHotkey() override { Service<GlobalHotkey>::install(nullptr); }
    std::optional<QString> bind(std::uint64_t, std::uint16_t) override { return std::nullopt; }
    void unbind() override {}
    QString unavailableReason() const override { return unavailable_; }
    void refuseLater(const QString& why) { setProblem(why); }

private:
    QString unavailable_;
};

struct HotkeyStateCase {
    const char* name;
    bool enabled;
    const char* unavailable;
    const char* problem;
    bool switchOn;
    bool switchUsable;
    bool recorderShown;
    const char* shownText;  // empty: no message
};

class HotkeyStateTest : public SettingsTest,
                        public ::testing::WithParamInterface<HotkeyStateCase> {};

// Never shown as working where it cannot work; a combination another program holds is named.
TEST_P(HotkeyStateTest, TheShortcutSectionSaysWhetherTheShortcutWorks) {
    const auto& c = GetParam();
    platform.preferences.setBool(K::hotkeyEnabled, c.enabled);
    GeneralSettings::capture(0xC0000, 1, "⌃⌥S");
    StubHotkey hotkey(c.unavailable, c.problem);
    GeneralSettingsView view;
    view.show();
    SwitchControl* enable = shortcutSwitch(view);
    ASSERT_NE(enable, nullptr);
    EXPECT_EQ(enable->isChecked(), c.switchOn) << c.name;
    EXPECT_EQ(enable->isEnabled(), c.switchUsable) << c.name;
    EXPECT_EQ(view.recorderRow()->isVisible(), c.recorderShown) << c.name;
    EXPECT_EQ(view.hotkeyProblem()->isVisible(), *c.shownText != 0) << c.name;
    EXPECT_TRUE(view.hotkeyProblem()->text().contains(QString::fromUtf8(c.shownText))) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HotkeyStateTest,
    ::testing::Values(
        HotkeyStateCase{"Works", true, "", "", true, true, true, ""},
        HotkeyStateCase{"HeldByAnotherProgram", true, "", "Another program holds this shortcut",
                        true, true, true, "Another program holds this shortcut"},
        HotkeyStateCase{"CannotWorkInThisSession", true,
                        "cannot work in this session: bind \u201cswivlo --toggle-panel\u201d", "",
                        false, false, false, "swivlo --toggle-panel"},
        HotkeyStateCase{"CannotWorkAndIsOff", false, "cannot work here", "", false, false, false,
                        "cannot work here"},
        HotkeyStateCase{"AProblemOnlyCountsWhileOn", false, "", "held", false, true, false, ""}),
    [](const auto& info) { return info.param.name; });

TEST_F(SettingsTest, ARefusalThatComesLaterShowsInTheOpenWindow) {
    platform.preferences.setBool(K::hotkeyEnabled, true);
    StubHotkey hotkey("", "");
    GeneralSettingsView view;
    view.show();
    EXPECT_FALSE(view.hotkeyProblem()->isVisible());
    hotkey.refuseLater(QStringLiteral("Another program holds this shortcut"));
    EXPECT_TRUE(view.hotkeyProblem()->isVisible());
    EXPECT_EQ(view.hotkeyProblem()->accessibleName(),
              QStringLiteral("Another program holds this shortcut"));
}

// A hidden row takes its hairline with it.
TEST_F(SettingsTest, TheShortcutCardSeparatesOnlyTheRowsItShows) {
    platform.preferences.setBool(K::hotkeyEnabled, false);
    GeneralSettingsView view;
    view.show();
    QWidget* card = view.recorderRow()->parentWidget();
    // The hairlines between the card's rows.
    const auto shownSeparators = [card] {
        int shown = 0;
        for (const QFrame* line : card->findChildren<QFrame*>(Qt::FindDirectChildrenOnly)) {
            shown += line->maximumHeight() == 1 && line->isVisible() ? 1 : 0;
        }
        return shown;
    };
    SwitchControl* enable = shortcutSwitch(*card);
    ASSERT_NE(enable, nullptr);
    EXPECT_EQ(shownSeparators(), 0);
    enable->click();
    EXPECT_TRUE(view.recorderRow()->isVisible());
    EXPECT_EQ(shownSeparators(), 1);
    enable->click();
    EXPECT_EQ(shownSeparators(), 0);
}

TEST_F(SettingsTest, TheRecorderShowsItsWholePlaceholder) {
    platform.preferences.setBool(K::hotkeyEnabled, true);
    GeneralSettingsView view;
    view.show();
    const HotkeyTextField* field = view.recorderField();
    ASSERT_EQ(field->text().toStdString(), ShortcutRecorder::placeholderText());
    EXPECT_LE(field->fontMetrics().horizontalAdvance(field->text()), field->textWidth());
}

TEST_F(SettingsTest, ACaptureInTheFieldIsStoredAndShown) {
    platform.preferences.setBool(K::hotkeyEnabled, true);
    GeneralSettingsView view;
    view.show();
    HotkeyTextField* field = view.recorderField();
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_K, Qt::ControlModifier | Qt::MetaModifier);
    EXPECT_EQ(stored(K::hotkeyKeyDisplayString), "⌃⌘K");
    EXPECT_EQ(platform.preferences.integerValue(K::hotkeyKeyCode), 40);
    EXPECT_EQ(field->text(), QStringLiteral("⌃⌘K"));
}

// A row dragged in the General tab's list with the mouse, dropped at `dropY` of that list.
struct DragCase {
    const char* name;
    int row;
    int dropY;
    std::vector<std::string> expected;  // the rows afterwards, top to bottom
};

class PanelItemsDragTest : public SettingsTest, public ::testing::WithParamInterface<DragCase> {};

TEST_P(PanelItemsDragTest, DropsTheRowInTheGapNearestThePointer) {
    GeneralSettingsView view;
    view.resize(500, 900);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    settings::PanelItemsList* list = view.panelItemsList();
    QWindow* window = view.windowHandle();
    constexpr int rowHeight = settings::PanelItemsList::rowHeight;
    const QPoint press = list->mapTo(&view, QPoint(200, GetParam().row * rowHeight + 16));
    const QPoint drop = list->mapTo(&view, QPoint(200, GetParam().dropY));
    QTest::mousePress(window, Qt::LeftButton, {}, press);
    // The drag runs its own loop from the first move on. The offscreen platform delivers no drag
    // events of its own, so the list gets them from here, and the release ends the drag.
    QTimer::singleShot(0, list, [&] {
        const QDrag* drag = list->findChild<QDrag*>();
        ASSERT_NE(drag, nullptr) << "the move started no drag";
        const QPoint at(200, GetParam().dropY);
        QDragEnterEvent enter(at, Qt::MoveAction, drag->mimeData(), Qt::LeftButton, {});
        QObject* target = list;  // straight to the list, as the platform's drag would send
        target->event(&enter);
        QDragMoveEvent move(at, Qt::MoveAction, drag->mimeData(), Qt::LeftButton, {});
        target->event(&move);
        QDropEvent dropped(at, Qt::MoveAction, drag->mimeData(), Qt::LeftButton, {});
        target->event(&dropped);
        QTest::mouseRelease(window, Qt::LeftButton, {}, drop);
    });
    QTest::mouseMove(window, press + QPoint(0, QApplication::startDragDistance() + 1));

    std::vector<std::string> shown;
    for (int i = 0; i < list->layout()->count(); ++i) {
        shown.push_back(list->layout()->itemAt(i)->widget()->objectName().toStdString());
    }
    EXPECT_EQ(shown, GetParam().expected);
    EXPECT_EQ(stored(K::panelItemsOrder), PanelItems::joinIds(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Drags, PanelItemsDragTest,
    ::testing::Values(DragCase{"DownIntoTheLowerHalfOfARow", 0, 2 * 32 + 20, moved(0, 2)},
                      DragCase{"UpIntoTheUpperHalfOfARow", 5, 32 + 6, moved(5, 1)},
                      DragCase{"LastToTheTop", 7, 2, moved(7, 0)},
                      DragCase{"ToTheBottom", 1, 8 * 32 - 2, moved(1, 7)},
                      DragCase{"OntoItsOwnLowerHalf", 3, 3 * 32 + 20, moved(3, 3)},
                      DragCase{"OntoItsOwnUpperHalf", 2, 2 * 32 + 4, moved(2, 2)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsTest, LaunchAtLoginRegistersAndRemovesTheLoginItem) {
    setLaunchAtLogin(true);
    EXPECT_TRUE(loginItems.enabled);
    EXPECT_EQ(platform.preferences.boolValue(K::launchAtLogin), true);
    setLaunchAtLogin(false);
    EXPECT_FALSE(loginItems.enabled);
    EXPECT_EQ(platform.preferences.boolValue(K::launchAtLogin), false);
    loginItems.failWrites = true;  // a refused login item is not reported as on
    setLaunchAtLogin(true);
    EXPECT_EQ(platform.preferences.boolValue(K::launchAtLogin), false);
}

TEST_F(SettingsTest, AtStartThePreferenceFollowsTheLoginItem) {
    platform.preferences.setBool(K::launchAtLogin, true);
    reconcileLaunchAtLogin();  // the user removed the entry in the session's settings
    EXPECT_EQ(platform.preferences.boolValue(K::launchAtLogin), false);

    loginItems.enabled = true;
    reconcileLaunchAtLogin();
    EXPECT_EQ(platform.preferences.boolValue(K::launchAtLogin), true);
    EXPECT_EQ(loginItems.writes, 1);  // rewritten to name the running binary
}

}  // namespace
}  // namespace swivlo
