#include <gtest/gtest.h>
#include <QLineEdit>
#include <QTest>

#include "SymbolPicker/SymbolPicker.h"
#include "fakes/TestPlatform.h"
#include "scenes/SceneManager.h"
#include "settings/EditorButtons.h"
#include "settings/SceneEditorView.h"

namespace swivlo {
namespace {

class SceneEditorPickerTest : public ::testing::Test {
protected:
    SymbolPicker* openPicker() {
        QTest::mouseClick(editor.customIconButton(), Qt::LeftButton);
        return qobject_cast<SymbolPicker*>(editor.customIconButton()->picker());
    }

    testing::TestPlatform platform;
    SceneManager manager;
    SceneEditorView editor{manager, std::nullopt};
};

TEST_F(SceneEditorPickerTest, TheCustomTileOpensAWindowModalPickerOnItsSymbol) {
    editor.show();
    SymbolPicker* picker = openPicker();
    ASSERT_NE(picker, nullptr);
    EXPECT_TRUE(picker->isVisible());
    EXPECT_EQ(picker->windowModality(), Qt::WindowModal);
    EXPECT_EQ(picker->model().symbol(), QStringLiteral("sparkles"));
    EXPECT_EQ(picker->model().categories(), allSymbolCategories());
    EXPECT_EQ(picker->removeRow(), nullptr);
    EXPECT_EQ(editor.model().selectedIcon(), "sparkles");
}

TEST_F(SceneEditorPickerTest, APickedSymbolBecomesTheCustomAndSelectedIcon) {
    editor.show();
    SymbolPicker* picker = openPicker();
    ASSERT_NE(picker, nullptr);
    QTest::keyClicks(picker->searchField(), QStringLiteral("CLOUD.SUN"));
    ASSERT_GT(picker->model().grid()->rowCount(), 0);
    picker->model().choose(QStringLiteral("cloud.sun.fill"));
    EXPECT_EQ(editor.model().customIcon(), "cloud.sun.fill");
    EXPECT_EQ(editor.model().selectedIcon(), "cloud.sun.fill");
    EXPECT_EQ(editor.customIconButton()->icon(), QStringLiteral("cloud.sun.fill"));
    EXPECT_TRUE(editor.customIconButton()->isSelected());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(editor.customIconButton()->showingPicker());
}

TEST_F(SceneEditorPickerTest, ClosingThePickerKeepsTheIcon) {
    editor.show();
    SymbolPicker* picker = openPicker();
    ASSERT_NE(picker, nullptr);
    QTest::mouseClick(picker->closeButton(), Qt::LeftButton);
    EXPECT_EQ(editor.model().customIcon(), "sparkles");
    EXPECT_EQ(editor.customIconButton()->icon(), QStringLiteral("sparkles"));
}

}  // namespace
}  // namespace swivlo
